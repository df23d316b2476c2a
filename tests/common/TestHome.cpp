#include "common/TestHome.h"

namespace testing {

TestHome::TestHome() : previous_(qgetenv("RUNVELLA_HOME")) {
    qputenv("RUNVELLA_HOME", dir_.path().toUtf8());
}

TestHome::~TestHome() {
    if (previous_.isNull())
        qunsetenv("RUNVELLA_HOME");
    else
        qputenv("RUNVELLA_HOME", previous_);
}

} // namespace testing
