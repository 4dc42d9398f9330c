// Updates a Qt Linguist file of the desktop program's texts from the sources:
//   tr_update <file.ts> <language> <source folder or file>...
// Every Tr/TrNoop text of the sources becomes a message of the context "Marvolet". A text that
// already has a translation keeps it; a new text is added unfinished; a text no longer used is
// marked vanished (kept for reuse, left out of the compiled module). Source locations are not
// written, so the file changes only when the texts do.
#include <QFile>
#include <QXmlStreamReader>
#include <cstdio>
#include <map>
#include <utility>

#include "tr_texts.h"

namespace {

struct TEntry {
    QString Translation;
    QString Type;  // "", "unfinished", "vanished"
};

using TKey = std::pair<QString, QString>;  // source, comment

// The messages of the context "Marvolet" already in the file.
std::map<TKey, TEntry> ReadExisting(const QString& path) {
    std::map<TKey, TEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    TEntry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("context")) {
                context.clear();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                source.clear();
                comment.clear();
                entry = {};
            } else if (name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                entry.Type = xml.attributes().value(QLatin1String("type")).toString();
                entry.Translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message") &&
                   context == QLatin1String("Marvolet")) {
            entries[{source, comment}] = entry;
        }
    }
    return entries;
}

// XML text with every character that a reader would change escaped: a carriage return would
// come back as a line feed (line-end normalisation) and no longer match the program's text.
QString Escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '&':
                out += QStringLiteral("&amp;");
                break;
            case '<':
                out += QStringLiteral("&lt;");
                break;
            case '>':
                out += QStringLiteral("&gt;");
                break;
            case '"':
                out += QStringLiteral("&quot;");
                break;
            case '\r':
                out += QStringLiteral("&#13;");
                break;
            case '\t':
                out += QStringLiteral("&#9;");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QString MessageXml(const TKey& key, const TEntry& entry) {
    QString xml =
        QStringLiteral("    <message>\n        <source>%1</source>\n").arg(Escaped(key.first));
    if (!key.second.isEmpty())
        xml += QStringLiteral("        <comment>%1</comment>\n").arg(Escaped(key.second));
    const QString type =
        entry.Type.isEmpty() ? QString() : QStringLiteral(" type=\"%1\"").arg(entry.Type);
    xml += QStringLiteral("        <translation%1>%2</translation>\n    </message>\n")
               .arg(type, Escaped(entry.Translation));
    return xml;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage: tr_update <file.ts> <language> <source folder or file>...\n", stderr);
        return 2;
    }
    const QString tsPath = QString::fromLocal8Bit(argv[1]);
    std::vector<std::filesystem::path> roots(argv + 3, argv + argc);
    std::map<TKey, TEntry> existing = ReadExisting(tsPath);

    QFile out(tsPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QString xml = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                      "<TS version=\"2.1\" language=\"%1\" sourcelanguage=\"ru_RU\">\n"
                      "<context>\n    <name>Marvolet</name>\n")
                      .arg(QString::fromLocal8Bit(argv[2]));
    int added = 0;
    for (const mv::trtexts::TTrText& text : mv::trtexts::CollectTrTexts(roots)) {
        const TKey key{QString::fromStdString(text.Source), QString::fromStdString(text.Comment)};
        auto found = existing.find(key);
        TEntry entry{{}, QStringLiteral("unfinished")};
        if (found != existing.end()) {
            entry = found->second;
            if (entry.Type == QLatin1String("vanished") || entry.Type == QLatin1String("obsolete"))
                entry.Type = entry.Translation.isEmpty() ? QStringLiteral("unfinished") : QString();
            existing.erase(found);
        } else {
            ++added;
        }
        xml += MessageXml(key, entry);
    }
    for (auto& [key, entry] : existing) {
        if (entry.Translation.isEmpty()) continue;
        entry.Type = QStringLiteral("vanished");
        xml += MessageXml(key, entry);
    }
    xml += QStringLiteral("</context>\n</TS>\n");
    out.write(xml.toUtf8());
    std::printf("%d new texts\n", added);
    return 0;
}
