#include "common/TestHome.h"

namespace testing {

namespace {

void restore(const char *name, const QByteArray &previous) {
    if (previous.isNull())
        qunsetenv(name);
    else
        qputenv(name, previous);
}

} // namespace

TestHome::TestHome() : previous_(qgetenv("RUNVELLA_HOME")), previousConfig_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("RUNVELLA_HOME", dir_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir_.path() + "/desktop-config").toUtf8());
}

TestHome::~TestHome() {
    restore("RUNVELLA_HOME", previous_);
    restore("XDG_CONFIG_HOME", previousConfig_);
}

} // namespace testing
