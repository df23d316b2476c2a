#include "exchange/LoopbackHttpServer.h"

#include "common/ParamName.h"
#include "common/TestHome.h"
#include "core/modRegistry.h"
#include "exchange/PartnerUpload.h"
#include "exchange/TrenloTransfer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

namespace {

constexpr int kPatienceMs = 30000;

struct AddressCase {
    const char *address;
    bool safe;
};

void PrintTo(const AddressCase &c, std::ostream *out) {
    *out << '"' << c.address << "\" " << (c.safe ? "safe" : "unsafe");
}

class SafeAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(SafeAddress, OnlyHttpsLeavesThisComputer) {
    EXPECT_EQ(PartnerUpload::IsSafeAddress(QUrl(GetParam().address)), GetParam().safe) << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(PartnerUploadTest, SafeAddress,
                         ::testing::Values(AddressCase{"https://upload.example.com/sync", true},
                                           AddressCase{"HTTPS://upload.example.com", true},
                                           AddressCase{"http://upload.example.com/sync", false},
                                           AddressCase{"http://127.0.0.1:8080/upload", true},
                                           AddressCase{"http://127.0.0.2/upload", true},
                                           AddressCase{"http://localhost/upload", true},
                                           AddressCase{"http://[::1]:8080/upload", true},
                                           AddressCase{"ftp://127.0.0.1/upload", false},
                                           AddressCase{"https://", false}, AddressCase{"", false}),
                         [](const ::testing::TestParamInfo<AddressCase> &info) {
                             return testing::NameFromText(info.param.address);
                         });

class ConfiguredAddressTest : public ::testing::Test {
protected:
    void setAddress(const QString &address) {
        ASSERT_EQ(
            modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "PartnerURL", "S", address),
            modRegistry::kSuccess);
    }
    testing::TestHome home;
};

TEST_F(ConfiguredAddressTest, WithoutAnAddressTheAthleteIsToldWhatIsMissing) {
    const auto address = PartnerUpload::ConfiguredAddress();
    EXPECT_FALSE(address.url.isValid());
    EXPECT_TRUE(address.problem.startsWith("There was a problem uploading: "));
    EXPECT_TRUE(address.problem.contains("PartnerURL"));
}

TEST_F(ConfiguredAddressTest, APlainHttpAddressElsewhereIsNotUsed) {
    setAddress("http://upload.example.com/sync");
    const auto address = PartnerUpload::ConfiguredAddress();
    EXPECT_FALSE(address.url.isValid());
    EXPECT_TRUE(address.problem.contains("https"));
}

TEST_F(ConfiguredAddressTest, AnHttpsAddressIsUsed) {
    setAddress(" https://upload.example.com/sync ");
    const auto address = PartnerUpload::ConfiguredAddress();
    EXPECT_EQ(address.url, QUrl("https://upload.example.com/sync"));
    EXPECT_TRUE(address.problem.isEmpty());
}

TEST(PartnerUploadTest, FilesAreSeparatedByOneLineOfDashes) {
    const QByteArray credentials = "user^pass\r\n";
    EXPECT_EQ(PartnerUpload::RequestBody(credentials, {}), credentials);
    EXPECT_EQ(PartnerUpload::RequestBody(credentials, {"a\r\n"}), "user^pass\r\na\r\n");
    EXPECT_EQ(PartnerUpload::RequestBody(credentials, {"a\r\n", "b\r\n", "c\r\n"}),
              "user^pass\r\na\r\n----------\r\nb\r\n----------\r\nc\r\n");
}

// What one transfer reported, once it has ended.
struct Outcome {
    std::vector<int> states;
    bool delivered = false;
    QString failure;
};

Outcome upload(const QUrl &address, const QByteArray &body) {
    Outcome outcome;
    bool ended = false;
    TrenloTransfer transfer;
    QObject::connect(&transfer, &TrenloTransfer::stateChanged,
                     [&](int state) { outcome.states.push_back(state); });
    QObject::connect(&transfer, &TrenloTransfer::delivered, [&] { outcome.delivered = ended = true; });
    QObject::connect(&transfer, &TrenloTransfer::failed, [&](const QString &reason) {
        outcome.failure = reason;
        ended = true;
    });
    transfer.start(address, body);
    const QDeadlineTimer patience(kPatienceMs);
    while (!ended && !patience.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(ended) << "the transfer never ended";
    return outcome;
}

TEST(TrenloTransferTest, AcceptedUploadPostsTheBodyAndEndsInTheLastState) {
    testing::LoopbackHttpServer service;
    const QByteArray body("user^pass\r\n[Runvella Data File]\r\n\xE9\r\n");
    const Outcome outcome = upload(service.address(), body);
    EXPECT_TRUE(outcome.delivered);
    EXPECT_TRUE(outcome.failure.isEmpty());
    ASSERT_EQ(service.requests().size(), 1u);
    EXPECT_EQ(service.requests()[0].method, "POST");
    EXPECT_EQ(service.requests()[0].path, "/upload");
    EXPECT_EQ(service.requests()[0].body, body);
    EXPECT_EQ(service.requests()[0].headers.value("content-type"), "text/plain; charset=windows-1252");
    ASSERT_FALSE(outcome.states.empty());
    EXPECT_EQ(outcome.states.front(), TrenloTransfer::Resolving);
    EXPECT_EQ(outcome.states.back(), TrenloTransfer::ResponseCompleted);
    EXPECT_TRUE(std::is_sorted(outcome.states.begin(), outcome.states.end()));
}

} // namespace
