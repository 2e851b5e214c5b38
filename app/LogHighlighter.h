#pragma once

#include <QSyntaxHighlighter>

// Colours the caller's text of each log line by the level tag the logger put in front.
class LogHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    explicit LogHighlighter(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;
};
