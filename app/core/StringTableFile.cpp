#include "core/StringTableFile.h"

#include <QStringList>

namespace StringTableFile {
namespace {

QString unescape(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            result += c;
            continue;
        }
        const QChar next = text[++i];
        result += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next;
    }
    return result;
}

} // namespace

QHash<int, QString> parse(const QString &content) {
    QHash<int, QString> strings;
    for (QStringView line : QStringView(content).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        bool isNumber = false;
        const int id = line.left(tab).toInt(&isNumber);
        if (isNumber)
            strings.insert(id, unescape(line.mid(tab + 1)));
    }
    return strings;
}

} // namespace StringTableFile
