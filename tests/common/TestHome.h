#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing {

// Points RUNVELLA_HOME at a fresh temporary folder for as long as it lives, and the desktop's
// configuration folder (where Qt's own dialogs keep their state) at a folder inside it.
class TestHome {
public:
    TestHome();
    ~TestHome();
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    QByteArray previousConfig_;
};

} // namespace testing
