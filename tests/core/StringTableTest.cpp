#include "core/StringTableFile.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <vector>

namespace {

QHash<int, QString> language(const char *code) {
    QFile file(QStringLiteral(":/strings/%1.tsv").arg(QLatin1String(code)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << code;
    return StringTableFile::parse(QString::fromUtf8(file.readAll()));
}

QStringList placeholders(const QString &text) {
    static const QRegularExpression pattern("%[A-Za-z0-9]+");
    QStringList found;
    for (const auto &match : pattern.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// "&" before a character marks a keyboard accelerator; "HR & GPS" is a plain ampersand.
bool hasAccelerator(const QString &text) {
    static const QRegularExpression pattern("&[^\\s&]");
    return text.contains(pattern);
}

TEST(StringTable, EveryInterfaceTextExistsInEveryLanguageWithTheSamePlaceholders) {
    const auto english = language("en");
    ASSERT_TRUE(english.contains(1300));
    ASSERT_TRUE(english.contains(1619));
    const struct {
        const char *code;
        int offset;
    } others[] = {{"fr", 1000}, {"es", 2000}, {"de", 3000}, {"it", 4000}};
    for (const auto &other : others) {
        const auto translated = language(other.code);
        for (auto it = english.begin(); it != english.end(); ++it) {
            if (it.key() < 1300)
                continue; // the old English-only range
            const int id = it.key() + other.offset;
            ASSERT_TRUE(translated.contains(id)) << other.code << " lacks " << id;
            const QString &text = translated[id];
            EXPECT_EQ(placeholders(text), placeholders(it.value())) << id;
            EXPECT_EQ(hasAccelerator(text), hasAccelerator(it.value())) << "accelerator of " << id;
            EXPECT_EQ(text.count('\n'), it.value().count('\n')) << "line breaks of " << id;
        }
        EXPECT_EQ(translated.size(), english.size() - 1) << other.code << " has texts English lacks";
    }
}

// Texts that send the athlete to a menu or a button name it as it reads, in every language.
TEST(StringTable, TextsNameTheMenusAndButtonsTheySendTo) {
    const struct {
        int text;
        std::vector<int> captions;
    } references[] = {
        {1819, {1309, 1310}}, // Edit > Preferences
        {1828, {1718}},       // the button that applies the zones to every activity
        // OK, which stores the preferences that wait
        {1869, {1421}},
        {1870, {1421}},
        {1871, {1421}},
        {1872, {1421}},
    };
    const struct {
        const char *code;
        int offset;
    } languages[] = {{"en", 0}, {"fr", 1000}, {"es", 2000}, {"de", 3000}, {"it", 4000}};
    for (const auto &[code, offset] : languages) {
        const auto texts = language(code);
        for (const auto &reference : references)
            for (const int caption : reference.captions)
                EXPECT_TRUE(
                    texts[reference.text + offset].contains(QString(texts[caption + offset]).remove('&')))
                    << code << ": " << reference.text << " does not name " << caption;
    }
}

} // namespace
