// The hourglass pointer for the length of a command: restored when the scope
// ends, on every path (a refused check, a fault, an exception).
#pragma once

#include "form/prompts.h"

namespace kelp {

class BusyPointer {
public:
    explicit BusyPointer(Prompts& prompts) : prompts_(prompts) { prompts_.SetBusy(true); }
    ~BusyPointer() { prompts_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Prompts& prompts_;
};

}  // namespace kelp
