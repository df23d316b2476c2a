#include "core/HelpPages.h"

#include "core/modLocalisation.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <map>

namespace HelpPages {
namespace {

QString attribute(const QString &tag, const QString &name) {
    const QRegularExpression value("\\b" + name + "\\s*=\\s*[\"']([^\"']*)[\"']",
                                   QRegularExpression::CaseInsensitiveOption);
    return value.match(tag).captured(1);
}

// The comma-separated lists of the page's meta elements, by the element's name in lower case.
std::map<QString, QStringList> metaLists(const QString &html) {
    static const QRegularExpression metaTag("<meta\\b[^>]*>", QRegularExpression::CaseInsensitiveOption);
    std::map<QString, QStringList> lists;
    for (auto tags = metaTag.globalMatch(html); tags.hasNext();) {
        const QString tag = tags.next().captured();
        QStringList &list = lists[attribute(tag, "name").toLower()];
        for (const QString &item : attribute(tag, "content").split(','))
            if (!item.trimmed().isEmpty())
                list.append(item.trimmed());
    }
    return lists;
}

HelpPage readPage(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString html = QString::fromUtf8(file.readAll());
    QTextDocument document;
    document.setHtml(html);
    auto lists = metaLists(html);

    HelpPage page{path,
                  document.metaInformation(QTextDocument::DocumentTitle).trimmed(),
                  lists["keywords"],
                  lists["alinks"],
                  {},
                  document.toPlainText()};
    if (page.title.isEmpty())
        page.title = QFileInfo(path).fileName();
    for (const QString &id : lists["context-ids"]) {
        bool isNumber = false;
        const int number = id.toInt(&isNumber);
        if (isNumber)
            page.contextIds.append(number);
    }
    return page;
}

QList<HelpPage> pagesNamed(const QList<HelpPage> &pages, QStringList HelpPage::*names,
                           const QString &wanted) {
    QList<HelpPage> found;
    for (const QString &name : wanted.split(';', Qt::SkipEmptyParts))
        for (const HelpPage &page : pages)
            if ((page.*names).contains(name.trimmed(), Qt::CaseInsensitive) &&
                std::none_of(found.cbegin(), found.cend(),
                             [&](const HelpPage &p) { return p.path == page.path; }))
                found.append(page);
    std::sort(found.begin(), found.end(),
              [](const HelpPage &a, const HelpPage &b) { return a.path < b.path; });
    return found;
}

QString link(const HelpPage &page) {
    return "<a href=\"" + QUrl::fromLocalFile(page.path).toString(QUrl::FullyEncoded) + "\">" +
           page.title.toHtmlEscaped() + "</a>";
}

constexpr int kNoTopicsFound = 1915;
constexpr int kIndexHeading = 1914;

QString noTopicsFound() {
    return "<p>" + modLocalisation::LoadResString(kNoTopicsFound).toHtmlEscaped() + "</p>";
}

// A subfolder with a contents page of its own is the help of another language: its pages are
// not the folder's.
bool inAnotherLanguagesHelp(const QString &folder, const QString &path) {
    const QString top = QFileInfo(folder).absoluteFilePath();
    for (QString dir = QFileInfo(path).absolutePath(); dir.size() > top.size();
         dir = QFileInfo(dir).absolutePath())
        if (QFileInfo::exists(dir + "/index.html"))
            return true;
    return false;
}

QString document(const QString &heading, const QString &body) {
    return "<html><head><title>" + heading.toHtmlEscaped() + "</title></head><body><h1>" +
           heading.toHtmlEscaped() + "</h1>" + body + "</body></html>";
}

} // namespace

QList<HelpPage> ReadHelpPages(const QString &folder) {
    QStringList paths;
    for (QDirIterator files(folder, {"*.html", "*.htm"}, QDir::Files, QDirIterator::Subdirectories);
         files.hasNext();) {
        const QString path = files.next();
        if (!inAnotherLanguagesHelp(folder, path))
            paths.append(path);
    }
    paths.sort();
    QList<HelpPage> pages;
    for (const QString &path : paths)
        pages.append(readPage(path));
    return pages;
}

QString ContentsPage(const QString &folder, const QString &language) {
    const QDir help(folder);
    const QString translated = help.filePath(language + "/index.html");
    return QFileInfo::exists(translated) ? translated : help.filePath("index.html");
}

QList<HelpPage> PagesWithKeyword(const QList<HelpPage> &pages, const QString &names) {
    return pagesNamed(pages, &HelpPage::keywords, names);
}

QList<HelpPage> PagesWithALink(const QList<HelpPage> &pages, const QString &names) {
    return pagesNamed(pages, &HelpPage::alinks, names);
}

std::optional<HelpPage> PageWithContextId(const QList<HelpPage> &pages, int contextId) {
    for (const HelpPage &page : pages)
        if (page.contextIds.contains(contextId))
            return page;
    return std::nullopt;
}

QList<HelpPage> PagesWithWords(const QList<HelpPage> &pages, const QString &query) {
    const QStringList words = query.split(' ', Qt::SkipEmptyParts);
    QList<HelpPage> found;
    if (words.isEmpty())
        return found;
    for (const HelpPage &page : pages)
        if (std::all_of(words.cbegin(), words.cend(),
                        [&](const QString &word) { return page.text.contains(word, Qt::CaseInsensitive); }))
            found.append(page);
    return found;
}

QString TopicListHtml(const QString &heading, const QList<HelpPage> &pages) {
    if (pages.isEmpty())
        return document(heading, noTopicsFound());
    QString items;
    for (const HelpPage &page : pages)
        items += "<li>" + link(page) + "</li>";
    return document(heading, "<ul>" + items + "</ul>");
}

QString IndexHtml(const QList<HelpPage> &pages) {
    // Keywords that differ only in case are one entry, under the spelling met first.
    std::map<QString, std::pair<QString, QStringList>> entries;
    for (const HelpPage &page : pages)
        for (const QString &keyword : page.keywords) {
            auto &[spelling, links] = entries[keyword.toLower()];
            if (spelling.isEmpty())
                spelling = keyword;
            links.append(link(page));
        }
    QString lines;
    for (const auto &[key, entry] : entries)
        lines += "<p>" + entry.first.toHtmlEscaped() + ": " + entry.second.join(", ") + "</p>";
    return document(modLocalisation::LoadResString(kIndexHeading), lines.isEmpty() ? noTopicsFound() : lines);
}

std::optional<QString> PopupText(const QString &fileText, int topicNumber) {
    std::optional<QString> text;
    bool inTopic = false;
    for (const QString &line : QString(fileText).remove('\r').split('\n')) {
        if (line.startsWith(".topic", Qt::CaseInsensitive)) {
            if (inTopic)
                break;
            inTopic = line.mid(6).trimmed() == QString::number(topicNumber);
            if (inTopic)
                text = QString();
        } else if (inTopic) {
            *text += line + '\n';
        }
    }
    if (text)
        text = text->trimmed();
    return text;
}

} // namespace HelpPages
