#include "app/LogHighlighter.h"

#include <QBrush>
#include <QTextCharFormat>

namespace {
struct TagColour
{
    const char *tag;
    Qt::GlobalColor colour;
};
// Searched in this order; the first tag found in the line decides the colour.
const TagColour tagColours[] = {
    {"[T]: ", Qt::darkGray},
    {"[I]: ", Qt::darkBlue},
    {"[W]: ", Qt::darkYellow},
    {"[E]: ", Qt::red},
};
} // namespace

LogHighlighter::LogHighlighter(QTextDocument *document) : QSyntaxHighlighter(document) {}

void LogHighlighter::highlightBlock(const QString &text)
{
    for (const TagColour &tagColour : tagColours) {
        if (!text.contains(QLatin1String(tagColour.tag)))
            continue;
        const int tagEnd = text.indexOf(QLatin1String("]: "));
        const int start = tagEnd + 3;
        QTextCharFormat format;
        format.setForeground(QBrush(tagColour.colour, Qt::SolidPattern));
        setFormat(start, text.size() - start, format);
        return;
    }
}
