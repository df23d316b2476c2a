#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing {

// Points RUNVELLA_HOME at a fresh temporary folder for as long as it lives.
class TestHome {
public:
    TestHome();
    ~TestHome();
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

} // namespace testing
