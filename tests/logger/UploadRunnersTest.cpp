#include "CenterDialog.h"
#include "UploadFixture.h"

#include <QApplication>

using testing::UploadTest;

namespace {

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
};

} // namespace

TEST_F(UploadRunners, ModalDialogDrivenByItsOwnTimer) {
    logger::setUploadRunner({}); // a widget application: the dialog itself
    const auto image = testing::thousandByteImage();
    connectWith(image);
    QWidget window;
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
    connectWith(testing::thousandByteImage());
    afterTick = [](logger::UploadDialog &dialog, int tick) {
        if (tick == 1) {
            dialog.reject();
            dialog.close();
        }
    };
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(ticks, 5);
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
