#pragma once

// The register's print buttons. Each prints the certificate whose number is
// in nform, moved by the whole-form shift AX, AY, all three taken as it
// starts; it runs on its own under its progress window and shows the pages
// in a preview over the picture of the blank, from which the user prints.
void Print_F2();   // the certificate
void Print_F23();  // the counterfoil
void Print_F22();  // the back side
