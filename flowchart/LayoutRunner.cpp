// SPDX-License-Identifier: MIT
#include "flowchart/LayoutRunner.h"

namespace TarnViewModel {

void SynchronousLayoutRunner::Run(FlowchartSnapshot snapshot, Done done)
{
    done(AttemptLayout(snapshot));
}

}  // namespace TarnViewModel
