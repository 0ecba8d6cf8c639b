// SPDX-License-Identifier: MIT
// Writes a pseudo-translation of a .ts file: every text about 40 % longer, its letters
// accented, between "⟦" and "⟧", with its placeholders, mnemonics and markup kept, so that a
// window shown in it reveals the texts that miss the translation and the controls too narrow
// for a longer language.
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

QString Accented(const QString& text)
{
    static const QHash<QChar, QChar> accents{{u'a', u'\u00e5'}, {u'e', u'\u00e9'}, {u'i', u'\u00ee'}, {u'o', u'\u00f6'}, {u'u', u'\u00fc'},
                                             {u'c', u'\u00e7'}, {u'n', u'\u00f1'}, {u'y', u'\u00fd'}, {u'A', u'\u00c5'}, {u'E', u'\u00c9'},
                                             {u'I', u'\u00ce'}, {u'O', u'\u00d6'}, {u'U', u'\u00dc'}, {u'C', u'\u00c7'}, {u'N', u'\u00d1'}};
    // Placeholders, mnemonics, entities, escapes and tags are kept as they are.
    static const QRegularExpression kept(QStringLiteral(R"(%L?n|%\d|&&|&\w|<[^>]*>|\{\{\w+\}\}|\\n)"));
    QString result;
    qsizetype at = 0;
    for (auto match = kept.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        for (qsizetype index = at; index < next.capturedStart(); ++index) {
            result += accents.value(text[index], text[index]);
        }
        result += next.captured();
        at = next.capturedEnd();
    }
    for (qsizetype index = at; index < text.size(); ++index) {
        result += accents.value(text[index], text[index]);
    }
    return result;
}

QString Pseudo(const QString& source)
{
    if (source.trimmed().isEmpty()) {
        return source;
    }
    // A command's text is its prompt, a line break and its tooltip: each part is lengthened.
    QStringList parts = source.split(QLatin1Char('\n'));
    for (QString& part : parts) {
        if (!part.isEmpty()) {
            const qsizetype padding = std::max<qsizetype>(1, part.size() * 2 / 5);
            part = QStringLiteral("\u27e6") + Accented(part) + QString(padding, QLatin1Char('~')) + QStringLiteral("\u27e7");
        }
    }
    return parts.join(QLatin1Char('\n'));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudo_translate IN.ts OUT.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pseudo_translate: cannot open the files\n");
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    QString source;
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"context") {
            writer.writeStartElement(QStringLiteral("context"));
        } else if (reader.isEndElement() && reader.name() == u"context") {
            writer.writeEndElement();
        } else if (reader.isStartElement() && reader.name() == u"name") {
            writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
        } else if (reader.isStartElement() && reader.name() == u"message") {
            numerus = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (reader.isStartElement() && reader.name() == u"source") {
            source = reader.readElementText();
        } else if (reader.isEndElement() && reader.name() == u"message") {
            writer.writeStartElement(QStringLiteral("message"));
            if (numerus) {
                writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            }
            writer.writeTextElement(QStringLiteral("source"), source);
            writer.writeStartElement(QStringLiteral("translation"));
            if (numerus) {
                writer.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
                writer.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
            } else {
                writer.writeCharacters(Pseudo(source));
            }
            writer.writeEndElement();
            writer.writeEndElement();
        }
    }
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "pseudo_translate: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
