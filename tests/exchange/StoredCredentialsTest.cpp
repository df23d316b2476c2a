#include "exchange/modCredentials.h"

#include "common/ParamName.h"
#include "core/DatabaseFixture.h"

#include <QRegularExpression>

namespace {

using modCredentials::Credential;

class StoredCredentialsTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        gPartnerUser.clear();
        gPartnerPassword.clear();
    }

    QString column(const char *name) {
        auto query = gConn.prepare(std::string("select ") + name + " from preferences");
        EXPECT_TRUE(query.step());
        return query.columnText(0);
    }
};

TEST_F(StoredCredentialsTest, ARandomLeadThenTheScrambledText) {
    modCredentials::StoreCredential(Credential::UserName, "abc");
    const QString stored = column("trenlocrypto");
    EXPECT_TRUE(QRegularExpression("^[a-zA-Z0-9]{9}1adg$").match(stored).hasMatch()) << stored.toStdString();
    EXPECT_EQ(gPartnerUser, stored);
    EXPECT_TRUE(gPartnerPassword.isEmpty());
    EXPECT_EQ(modCredentials::ShownCredential(stored), "abc");

    modCredentials::StoreCredential(Credential::UserName, "abc");
    EXPECT_NE(column("trenlocrypto"), stored) << "each store draws a new lead";
}

TEST_F(StoredCredentialsTest, QuotesThatTheScramblingMakesAreStoredUnchanged) {
    // "'" stays itself at the first position; "%" shifted by 2 becomes "'".
    modCredentials::StoreCredential(Credential::Password, "'%x");
    const QString stored = column("trenlocrypto2");
    EXPECT_EQ(stored.mid(9), "1''|");
    EXPECT_EQ(gPartnerPassword, stored);
    EXPECT_EQ(modCredentials::ShownCredential(stored), "'%x");
}

TEST_F(StoredCredentialsTest, AnEmptyBoxStoresALeadAndTheMethodDigitAndShowsEmpty) {
    modCredentials::StoreCredential(Credential::UserName, "");
    EXPECT_EQ(column("trenlocrypto").size(), 10);
    EXPECT_TRUE(column("trenlocrypto").endsWith('1'));
    EXPECT_EQ(modCredentials::ShownCredential(column("trenlocrypto")), "");
}

TEST_F(StoredCredentialsTest, CharactersOfTheCodePageComeBack) {
    modCredentials::StoreCredential(Credential::Password, QString::fromUtf8("caf\u00e9 \u20ac5"));
    EXPECT_EQ(modCredentials::ShownCredential(gPartnerPassword), QString::fromUtf8("caf\u00e9 \u20ac5"));
}

TEST_F(StoredCredentialsTest, TextThatCannotBeKeptIsRefusedAndNothingChanges) {
    modCredentials::StoreCredential(Credential::UserName, "runner");
    const QString before = gPartnerUser;
    EXPECT_THROW(modCredentials::StoreCredential(Credential::UserName, QString::fromUtf8("\u65e5")),
                 modCredentials::EncryptError);
    EXPECT_THROW(modCredentials::StoreCredential(Credential::UserName, QString(60, QChar(0xD0))),
                 modCredentials::EncryptError);
    EXPECT_EQ(gPartnerUser, before);
    EXPECT_EQ(column("trenlocrypto"), before);
}

struct Shown {
    const char *stored;
    const char *box;
};

void PrintTo(const Shown &c, std::ostream *out) {
    *out << '"' << c.stored << "\" shows \"" << c.box << '"';
}

class ShownCredential : public ::testing::TestWithParam<Shown> {};

TEST_P(ShownCredential, TheLeadIsCutBeforeUnscrambling) {
    EXPECT_EQ(modCredentials::ShownCredential(GetParam().stored), GetParam().box) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(StoredCredentialsTest, ShownCredential,
                         ::testing::Values(Shown{"", ""}, Shown{"abcdefghi", ""}, Shown{"abcdefgh1", ""},
                                           Shown{"abcdefghi1", ""}, Shown{"abcdefghi1adg", "abc"},
                                           Shown{"abcdefghi2adg", "{invalid}"},
                                           Shown{"abcdefghiX1", "{invalid}"}),
                         [](const ::testing::TestParamInfo<Shown> &info) {
                             return testing::NameFromText(info.param.stored);
                         });

TEST_F(StoredCredentialsTest, TheCredentialsLineCarriesTheStoredValuesAsSingleBytes) {
    gPartnerUser = "abcdefghi1adg";
    gPartnerPassword = QString::fromUtf8("ABCDEFGHI1\u00e9\u20ac");
    EXPECT_EQ(modCredentials::CredentialsLine(), QByteArray("abcdefghi1adg^ABCDEFGHI1\xE9\x80\r\n"));
}

} // namespace
