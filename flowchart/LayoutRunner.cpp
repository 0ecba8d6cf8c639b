// SPDX-License-Identifier: MIT
#include "flowchart/LayoutRunner.h"

namespace Flowchart {

void SynchronousLayoutRunner::Run(FlowchartSnapshot snapshot, Done done)
{
    done(AttemptLayout(snapshot));
}

}  // namespace Flowchart
