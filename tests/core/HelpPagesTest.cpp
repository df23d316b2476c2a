#include "core/HelpPages.h"

#include "core/Globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace HelpPages;

QStringList fileNames(const QList<HelpPage> &pages) {
    QStringList names;
    for (const HelpPage &page : pages)
        names.append(QFileInfo(page.path).fileName());
    return names;
}

class HelpPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        write("zones.html", "<html><head><title>Heart-rate zones</title>"
                            "<meta name=\"keywords\" content=\"zones, Heart rate\">"
                            "<META content='ZoneSettings' name='alinks'>"
                            "<meta name=\"context-ids\" content=\"1001, x, 1002\"></head>"
                            "<body><p>Five zones from your age or maximum pulse.</p></body></html>");
        write("graphs.htm", "<html><head><title>Summary graphs</title>"
                            "<meta name=\"keywords\" content=\"graphs, ZONES\"></head>"
                            "<body><p>Weekly distance and time in zones.</p></body></html>");
        write("topics/untitled.html", "<html><body>Nothing but a body.</body></html>");
        write("notes.txt", ".topic 1\nnot a page\n");
        pages = ReadHelpPages(folder.path());
    }

    void write(const QString &name, const QByteArray &text) {
        QDir(folder.path()).mkpath(QFileInfo(name).path());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir folder;
    QList<HelpPage> pages;
};

TEST_F(HelpPagesTest, EveryPageOfTheFolderIsReadWithWhatFindsIt) {
    ASSERT_EQ(fileNames(pages), QStringList({"graphs.htm", "untitled.html", "zones.html"}));
    const HelpPage &zones = pages[2];
    EXPECT_EQ(zones.title, "Heart-rate zones");
    EXPECT_EQ(zones.keywords, QStringList({"zones", "Heart rate"}));
    EXPECT_EQ(zones.alinks, QStringList({"ZoneSettings"}));
    EXPECT_EQ(zones.contextIds, QList<int>({1001, 1002})); // "x" is no number
    EXPECT_TRUE(zones.text.contains("maximum pulse"));
    EXPECT_FALSE(zones.text.contains("<p>"));
    EXPECT_EQ(pages[1].title, "untitled.html");
}

TEST_F(HelpPagesTest, LookupsFindThePagesThatCarryAnyOfTheNames) {
    const struct {
        const char *names;
        QStringList keywordPages;
        QStringList alinkPages;
    } cases[] = {
        {"zones", {"graphs.htm", "zones.html"}, {}},
        {"HEART RATE", {"zones.html"}, {}},
        {"graphs; heart rate", {"graphs.htm", "zones.html"}, {}},
        {"zonesettings", {}, {"zones.html"}},
        {"pace", {}, {}},
        {"", {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.names);
        EXPECT_EQ(fileNames(PagesWithKeyword(pages, c.names)), c.keywordPages);
        EXPECT_EQ(fileNames(PagesWithALink(pages, c.names)), c.alinkPages);
    }
    ASSERT_TRUE(PageWithContextId(pages, 1002).has_value());
    EXPECT_EQ(PageWithContextId(pages, 1002)->title, "Heart-rate zones");
    EXPECT_FALSE(PageWithContextId(pages, 7).has_value());
}

TEST_F(HelpPagesTest, TheSearchFindsPagesHoldingEveryWord) {
    const struct {
        const char *query;
        QStringList found;
    } cases[] = {
        {"zones", {"graphs.htm", "zones.html"}},
        {"ZONES weekly", {"graphs.htm"}},
        {"  body  ", {"untitled.html"}},
        {"zones cycling", {}},
        {"   ", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(fileNames(PagesWithWords(pages, c.query)), c.found);
    }
}

TEST_F(HelpPagesTest, TheIndexListsEachKeywordOnceInAlphabeticalOrderWithItsPages) {
    const QString index = IndexHtml(pages);
    const qsizetype graphs = index.indexOf("graphs:");
    const qsizetype heartRate = index.indexOf("Heart rate:");
    const qsizetype zones = index.indexOf("ZONES:"); // the spelling met first
    ASSERT_GE(graphs, 0);
    EXPECT_LT(graphs, heartRate);
    EXPECT_LT(heartRate, zones);
    EXPECT_EQ(index.count("zones:", Qt::CaseInsensitive), 1);
    EXPECT_TRUE(index.mid(zones).contains("Summary graphs</a>, <a"));

    EXPECT_TRUE(TopicListHtml("Search", {}).contains("No topics found."));
    EXPECT_TRUE(IndexHtml({}).contains("No topics found."));
}

TEST(HelpPagesLanguage, PagesMadeForTheAthleteSpeakTheChosenLanguage) {
    const QScopedValueRollback<int> spanish(gLanguageOffset, 2000);
    EXPECT_TRUE(TopicListHtml("Buscar", {}).contains("<p>No se encontró ningún tema.</p>"));
    EXPECT_TRUE(IndexHtml({}).contains("<h1>Índice</h1>"));
}

TEST_F(HelpPagesTest, TheContentsPageIsTheLanguagesOwnWhenItHasOne) {
    write("index.html", "<html><head><title>Contents</title></head></html>");
    write("fr/index.html", "<html><head><title>Sommaire</title></head></html>");
    write("de/notes.html", "<html><head><title>Notizen</title></head></html>");
    const struct {
        const char *language;
        const char *page;
    } cases[] = {{"fr", "fr/index.html"}, {"en", "index.html"}, {"de", "index.html"}, {"it", "index.html"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(ContentsPage(folder.path(), c.language), folder.filePath(c.page));
    }
    // A search or an index in one language lists none of another language's pages.
    EXPECT_EQ(fileNames(ReadHelpPages(folder.path())),
              QStringList({"notes.html", "graphs.htm", "index.html", "untitled.html", "zones.html"}));
    EXPECT_EQ(fileNames(ReadHelpPages(folder.filePath("fr"))), QStringList({"index.html"}));
}

TEST(PopupTextTest, ATopicIsTheLinesUpToTheNextTopic) {
    const QString file = ".topic 1\r\nFirst text\r\n\r\n.topic 20\n  Two\nlines  \n.topic 3\nThird\n";
    const struct {
        int number;
        std::optional<QString> text;
    } cases[] = {
        {1, "First text"}, {20, "Two\nlines"}, {3, "Third"}, {2, std::nullopt}, {0, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(PopupText(file, c.number), c.text);
    }
}

} // namespace
