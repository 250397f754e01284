#include "data/shared_values.h"

Shared<qint64> nform;
Shared<int> AX;
Shared<int> AY;
Shared<qint32> D1;
Shared<qint32> D2;
Shared<QString> COMMENT;
Shared<qint64> KOL_FORM;
Shared<int> FUZZYMATCHED;
Shared<QString> GLO_REPORTQUERYRESULT;
Shared<QString> ZAPROS;
