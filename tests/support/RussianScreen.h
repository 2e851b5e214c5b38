#pragma once

#include <QStringList>
#include <QTranslator>

class QWidget;

// Shows the program in Russian, as it always runs, while it lives: pages built meanwhile take
// their texts from the program's translation, so their screenshots show what users see.
class RussianScreen
{
public:
    RussianScreen();
    ~RussianScreen();
    RussianScreen(const RussianScreen &) = delete;
    RussianScreen &operator=(const RussianScreen &) = delete;

    bool isLoaded() const { return m_loaded; }

    // Texts shown in root and its visible children that hold a Latin word other than the
    // brand names, units and codes every page may show, or the words of `allowed` (such as
    // names the test's data brings).
    static QStringList englishTexts(const QWidget *root, const QStringList &allowed = {});

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// Fails the test when the widget shows an English text: VERIFY_RUSSIAN_ONLY(widget[, allowed]).
#define VERIFY_RUSSIAN_ONLY(...)                                                                   \
    do {                                                                                           \
        const QStringList english_ = RussianScreen::englishTexts(__VA_ARGS__);                     \
        QVERIFY2(english_.isEmpty(), qPrintable(english_.join(QLatin1Char('\n'))));                \
    } while (false)
