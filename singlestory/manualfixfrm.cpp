#include "singlestory/manualfixfrm.h"

manualfixfrm::manualfixfrm() : Form("manualfixfrm", "Manual Fix") {
    column({&Label1, &Label2, &Label3, &Command1}, 480, 240, 2400);
}
