// The English catalogue's source (.ts), read message by message for the
// tests that hold texts against it.
#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

namespace ondalab::testing {

inline constexpr const char* kEnglishCatalogue = ONDALAB_SOURCE_DIR "/translations/ondalab_en.ts";

struct TsMessage {
    QString context, source, translation;
    QString type;  // "unfinished", "vanished", ... or empty for a finished one
};

// Empty when the file cannot be read.
inline std::vector<TsMessage> readTsMessages() {
    std::vector<TsMessage> out;
    QFile file(QString::fromUtf8(kEnglishCatalogue));
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            out.push_back({context, source, xml.readElementText(), type});
        }
    }
    return out;
}

}  // namespace ondalab::testing
