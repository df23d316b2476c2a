#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The pages of a help folder and the lookups the help viewer answers over them. A page names what
// finds it in meta elements of its head, each a comma-separated list:
//   <meta name="keywords" content="zones, heart rate">   keyword lookups and the index
//   <meta name="alinks" content="ZoneSettings">           associative links
//   <meta name="context-ids" content="1001, 1002">        context numbers
namespace HelpPages {

struct HelpPage {
    QString path;
    QString title; // the page's title, or its file name when it has none
    QStringList keywords;
    QStringList alinks;
    QList<int> contextIds;
    QString text; // what the page shows, for the search
};

// Every HTML page under the folder, in path order, but for those of the subfolders that hold
// another language's help (see ContentsPage).
QList<HelpPage> ReadHelpPages(const QString &folder);

// The contents page of the help in a language (its code, such as "fr"): index.html of the
// language's own subfolder when there is one, else the folder's own index.html, in English.
QString ContentsPage(const QString &folder, const QString &language);

// The pages that carry any of the semicolon-separated names (case ignored), in path order.
QList<HelpPage> PagesWithKeyword(const QList<HelpPage> &pages, const QString &names);
QList<HelpPage> PagesWithALink(const QList<HelpPage> &pages, const QString &names);
std::optional<HelpPage> PageWithContextId(const QList<HelpPage> &pages, int contextId);

// The pages whose text holds every word of the query (case ignored); none for an empty query.
QList<HelpPage> PagesWithWords(const QList<HelpPage> &pages, const QString &query);

// A page of links to the pages under a heading, or the heading and "No topics found." for none.
QString TopicListHtml(const QString &heading, const QList<HelpPage> &pages);
// Every keyword of the pages in alphabetical order, each followed by links to its pages.
QString IndexHtml(const QList<HelpPage> &pages);

// The text of one topic of a popup text file: the lines after ".topic <number>" up to the next
// ".topic", trimmed; none when no topic has that number.
std::optional<QString> PopupText(const QString &fileText, int topicNumber);

} // namespace HelpPages
