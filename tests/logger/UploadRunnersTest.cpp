#include "CenterDialog.h"
#include "UploadFixture.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include <chrono>

using Fault = testing::SimulatedRecorder::Fault;
using testing::UploadTest;

namespace {

// The progress dialog while it runs modally, if it does.
QDialog *runningUploadDialog() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "102" && widget->isVisible())
            return qobject_cast<QDialog *>(widget);
    return nullptr;
}

// Answers each box only after the event loop has run under it for a while, as a person reading
// it lets it run, and notes what the upload did meanwhile.
class BoxesAnsweredLater {
public:
    struct Box {
        QString text;
        bool ticksRunning;    // the dialog's timer was active when the box appeared
        int readsUnderTheBox; // reports asked of the recorder while the box was up
    };

    explicit BoxesAnsweredLater(const testing::SimulatedRecorder &recorder) {
        previous_ = platform::dialogs::setMessageHandler([this, &recorder](const auto &request) {
            QDialog *dialog = runningUploadDialog();
            const auto *timer = dialog ? dialog->findChild<QTimer *>("1001") : nullptr;
            EXPECT_EQ(dialog != nullptr, timer != nullptr) << "the dialog's timer";
            const bool ticking = timer && timer->isActive();
            const int readsBefore = recorder.reads();
            QEventLoop underTheBox;
            QTimer::singleShot(kReadingTime, &underTheBox, &QEventLoop::quit);
            underTheBox.exec();
            boxes_.push_back({request.text, ticking, recorder.reads() - readsBefore});
            return platform::dialogs::Answer::Ok;
        });
    }
    ~BoxesAnsweredLater() { platform::dialogs::setMessageHandler(std::move(previous_)); }

    const std::vector<Box> &boxes() const { return boxes_; }

private:
    // Many timer periods of the dialog.
    static constexpr std::chrono::milliseconds kReadingTime{150};
    std::vector<Box> boxes_;
    platform::dialogs::MessageHandler previous_;
};

// The same upload under another way of running its ticks.
class UploadRunners : public UploadTest {
protected:
    void expectTheWholeImage(const encoder::Bytes &image) {
        const auto decoded = decodertest::decode(image);
        EXPECT_EQ(std::vector<std::uint8_t>(primaryResult().begin(), primaryResult().end()),
                  std::vector<std::uint8_t>(decoded.primary().begin(), decoded.primary().end()));
        EXPECT_EQ(secondaryLength, decoded.secondary().size());
        EXPECT_EQ(recorder->uploadReportsSent(), 4);
        EXPECT_EQ(recorder->framesOfCommand(logger::kUploadFinished).size(), 1u);
    }

    // The dialog runs modally with its own timer over an active window; `whileRunning` acts on
    // it once its loop runs.
    void underTheRealDialog(std::function<void(QDialog &)> whileRunning) {
        logger::setUploadRunner({});
        window.show();
        QApplication::setActiveWindow(&window);
        QTimer::singleShot(0, [whileRunning] {
            QDialog *dialog = runningUploadDialog();
            ASSERT_NE(dialog, nullptr);
            whileRunning(*dialog);
        });
    }

    QWidget window;
};

} // namespace

TEST_F(UploadRunners, ModalDialogDrivenByItsOwnTimer) {
    logger::setUploadRunner({}); // a widget application: the dialog itself
    const auto image = testing::thousandByteImage();
    connectWith(image);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    expectTheWholeImage(image);
}

TEST_F(UploadRunners, WithoutAWindow) {
    logger::setUploadRunner(logger::runUploadWithoutWindow);
    const auto image = testing::thousandByteImage();
    connectWith(image);
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    expectTheWholeImage(image);
}

TEST_F(UploadRunners, DialogIgnoresEscapeAndTheCloseBox) {
    const auto image = testing::thousandByteImage();
    connectWith(image);
    bool stillOpen = false;
    underTheRealDialog([&stillOpen](QDialog &dialog) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
        EXPECT_FALSE(dialog.close()) << "the close box";
        stillOpen = dialog.isVisible();
    });
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    EXPECT_TRUE(stillOpen);
    expectTheWholeImage(image);
}

// A box shown while the dialog runs has an event loop of its own: the dialog's timer is stopped
// before it, or a tick would read from the recorder (and wait for it) under the box.
TEST_F(UploadRunners, NoTickRunsUnderABox) {
    const struct {
        const char *what;
        std::function<void(QDialog &, testing::SimulatedRecorder &)> during;
        std::vector<QString> boxes;
        int code;
    } cases[] = {
        {"unplugged",
         [](QDialog &, testing::SimulatedRecorder &r) {
             r.inject(Fault::Vanish, testing::SimulatedRecorder::kRepliesBeforeUploadData + 1);
         },
         {"Device not connected."},
         7},
        {"unanswered cancel",
         [](QDialog &dialog, testing::SimulatedRecorder &r) {
             r.inject(Fault::NoReply, 0, 1);
             dialog.findChild<QPushButton *>("1002")->click();
         },
         {"Error in upload cancel.", "Upload has been cancelled."},
         8},
        {"suspend",
         [](QDialog &dialog, testing::SimulatedRecorder &) {
             auto *watcher = dialog.findChild<logger::SleepWatcher *>("sleepWatcher");
             ASSERT_TRUE(QMetaObject::invokeMethod(watcher, "prepareForSleep", Q_ARG(bool, true)));
         },
         {"Upload has been interrupted."},
         9},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        recorder = std::make_shared<testing::SimulatedRecorder>();
        logger::setTransportFactory([r = recorder] { return r; });
        connectWith(testing::thousandByteImage());
        EnableInternalBoxes();
        BoxesAnsweredLater boxes(*recorder);
        underTheRealDialog([&c, r = recorder](QDialog &dialog) { c.during(dialog, *r); });
        EXPECT_EQ(getDeviceData(), 0);
        EXPECT_EQ(GetLastDeviceError(), c.code);
        ASSERT_EQ(boxes.boxes().size(), c.boxes.size());
        for (std::size_t i = 0; i < c.boxes.size(); ++i) {
            EXPECT_EQ(boxes.boxes()[i].text, c.boxes[i]);
            EXPECT_FALSE(boxes.boxes()[i].ticksRunning) << c.boxes[i].toStdString();
            EXPECT_EQ(boxes.boxes()[i].readsUnderTheBox, 0) << c.boxes[i].toStdString();
        }
    }
}

TEST(CenterDialog, CentredOverTheReferenceAndKeptOnTheScreen) {
    const QSize screen(1024, 768);
    const QSize dialog(252, 126);
    struct Case {
        QRect reference;
        QPoint expected;
    };
    const Case cases[] = {
        {{0, 0, 1024, 768}, {386, 321}},
        {{100, 50, 301, 201}, {124, 87}},   // integer halves: 100 + 150 - 126, 50 + 100 - 63
        {{900, 700, 400, 300}, {772, 642}}, // would leave the screen right and below
        {{-500, -400, 200, 100}, {0, 0}},   // negative positions become 0
    };
    for (const Case &c : cases)
        EXPECT_EQ(logger::centeredPosition(c.reference, dialog, screen), c.expected) << c.reference.x();
}
