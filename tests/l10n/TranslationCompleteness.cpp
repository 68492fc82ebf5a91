// Compares the texts lupdate extracts from the sources with the union of the
// hand-kept Chinese catalogues, so a text added to a dialog or the string
// table cannot ship untranslated, and a catalogue entry whose text is gone
// from the sources does not linger. Usage:
//   translation_completeness EXTRACTED.ts CATALOGUE.ts...

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

struct Message {
    QString context;
    QString source;
    QString disambiguation;
    QString type;
    bool translated = false;

    // The key lupdate and the translator look a text up by.
    QString key() const { return context + u'\x1f' + source + u'\x1f' + disambiguation; }
    QString describe() const {
        QString text = context + QStringLiteral(" / \"") + source + u'"';
        if (!disambiguation.isEmpty())
            text += QStringLiteral(" (") + disambiguation + u')';
        return text;
    }
};

// A numerus message is translated only when every plural form is filled.
void readTranslation(QXmlStreamReader& xml, Message& message) {
    message.type = xml.attributes().value(QStringLiteral("type")).toString();
    bool sawForm = false;
    bool allFormsFilled = true;
    QString plain;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.isEndElement()) {
        if (xml.isCharacters())
            plain += xml.text();
        else if (xml.isStartElement() && xml.name() == QStringLiteral("numerusform")) {
            sawForm = true;
            allFormsFilled = !xml.readElementText().trimmed().isEmpty() && allFormsFilled;
        } else if (xml.isStartElement())
            xml.skipCurrentElement();
    }
    message.translated = sawForm ? allFormsFilled : !plain.trimmed().isEmpty();
}

Message readMessage(QXmlStreamReader& xml, const QString& context) {
    Message message;
    message.context = context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QStringLiteral("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QStringLiteral("comment"))
            message.disambiguation = xml.readElementText();
        else if (xml.name() == QStringLiteral("translation"))
            readTranslation(xml, message);
        else
            xml.skipCurrentElement();
    }
    return message;
}

bool readCatalogue(const QString& path, QList<Message>& messages, QTextStream& err) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << path << ": can not be opened\n";
        return false;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == QStringLiteral("TS")) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QStringLiteral("context")) {
                xml.skipCurrentElement();
                continue;
            }
            QString context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("name"))
                    context = xml.readElementText();
                else if (xml.name() == QStringLiteral("message"))
                    messages.append(readMessage(xml, context));
                else
                    xml.skipCurrentElement();
            }
        }
    } else if (!xml.hasError()) {
        xml.raiseError(QStringLiteral("not a Qt translation catalogue"));
    }
    if (xml.hasError()) {
        err << path << ':' << xml.lineNumber() << ": " << xml.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: " << argv[0] << " EXTRACTED.ts CATALOGUE.ts...\n";
        return 2;
    }
    QList<Message> extracted;
    if (!readCatalogue(QString::fromLocal8Bit(argv[1]), extracted, err))
        return 2;
    if (extracted.isEmpty()) {
        err << argv[1] << ": no texts extracted, the extraction itself failed\n";
        return 2;
    }
    QHash<QString, bool> inSources;
    for (const Message& message : extracted)
        inSources.insert(message.key(), true);

    QStringList problems;
    QHash<QString, QString> translatedIn;
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QList<Message> messages;
        if (!readCatalogue(path, messages, err))
            return 2;
        for (const Message& message : messages) {
            const QString where =
                path.section(u'/', -1) + QStringLiteral(": ") + message.describe();
            if (!message.type.isEmpty())
                problems << where + QStringLiteral(" is marked ") + message.type;
            else if (!message.translated)
                problems << where + QStringLiteral(" has an empty translation");
            else if (!inSources.contains(message.key()))
                problems << where + QStringLiteral(" is no longer in the sources");
            else if (translatedIn.contains(message.key()))
                problems << where + QStringLiteral(" is also translated in ") +
                                translatedIn[message.key()];
            else
                translatedIn.insert(message.key(), path.section(u'/', -1));
        }
    }
    for (const Message& message : extracted) {
        if (!translatedIn.contains(message.key()))
            problems << QStringLiteral("missing: ") + message.describe();
    }
    std::sort(problems.begin(), problems.end());
    for (const QString& problem : problems)
        err << problem << '\n';
    if (!problems.isEmpty())
        err << problems.size() << " translation problem(s)\n";
    return problems.isEmpty() ? 0 : 1;
}
