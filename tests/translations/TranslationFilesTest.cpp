// Reads the Qt Linguist files as they are kept in the repository, before lrelease quietly
// drops what is missing from them.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Message {
    QString Context, Source, Type;
    bool Numerus = false;
    QStringList Translations; // the translation, or each plural form of a numerus entry
};

std::vector<Message> ReadMessages(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, {}, xml.attributes().value("numerus") == u"yes", {}});
        else if (xml.name() == u"source")
            messages.back().Source = xml.readElementText();
        else if (xml.name() == u"translation") {
            messages.back().Type = xml.attributes().value("type").toString();
            if (!messages.back().Numerus)
                messages.back().Translations << xml.readElementText();
        } else if (xml.name() == u"numerusform")
            messages.back().Translations << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList Placeholders(const QString& text)
{
    QStringList found;
    // %1, %L1 and %n are Qt's; %x, %Y and the like are the strftime codes the help shows.
    for (const QRegularExpressionMatch& match : QRegularExpression("%L?\\d+|%[A-Za-z]").globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// Captions pass through the markup escaper before they are shown, so one of these in a
// translation would show as an entity where its source has plain text.
bool AddsEscapedCharacter(const Message& message)
{
    for (const QChar character : QStringLiteral("&<>'\""))
        for (const QString& translation : message.Translations)
            if (translation.contains(character) && !message.Source.contains(character))
                return true;
    return false;
}

} // namespace

TEST(TranslationFiles, EveryMessageIsTranslatedAndKeepsItsPlaceholders)
{
    const QDir folder(DATEPICKER_TRANSLATIONS_DIR);
    const QStringList files = folder.entryList({"datepicker_*.ts"});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const std::vector<Message> messages = ReadMessages(folder.filePath(file));
        EXPECT_FALSE(messages.empty()) << file.toStdString();
        for (const Message& message : messages) {
            const std::string where = file.toStdString() + ": " + message.Context.toStdString() + " \"" +
                                      message.Source.toStdString() + "\"";
            EXPECT_TRUE(message.Type.isEmpty()) << where << " is " << message.Type.toStdString();
            EXPECT_FALSE(message.Translations.isEmpty()) << where;
            for (const QString& translation : message.Translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(message.Source)) << where;
            }
            EXPECT_FALSE(AddsEscapedCharacter(message)) << where;
        }
    }
}
