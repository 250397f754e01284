#pragma once

#include "runtime/core/record_buffer.h"

// A certificate with every printed field filled with plausible text, so a
// profile can be checked on the blank when no certificate is at hand.
RecordBuffer sampleCertificate();
