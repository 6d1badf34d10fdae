// SPDX-License-Identifier: MIT
#include "Form1.h"

#include "desktop/AppIcon.h"
#include "desktop/FrameExtents.h"
#include "screenreader/WindowAccessible.h"
#include "view/Fonts.h"
#include "keyboard/KeyCode.h"
#include "view/TapeMenu.h"
#include "view/TapeScrollBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

namespace marbolin {

namespace {

// The program writes CR LF; Qt's text widgets break lines on LF alone.
QString fromCrLf(const char* data, std::size_t size)
{
    QString text = QString::fromUtf8(data, static_cast<qsizetype>(size));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

constexpr std::uint64_t kForeignTape = ~std::uint64_t{0};

// Qt keeps the first accessible interface it makes for a widget, and the
// window's own ones are found by name; so the name comes first.
template <typename Widget> Widget* namedChild(QWidget* parent, const char* name)
{
    auto* widget = new Widget;
    widget->setObjectName(QString::fromLatin1(name));
    widget->setParent(parent);
    return widget;
}

// spoken: the button's name for a screen reader, in words, since a speech
// synthesiser drops a lone "?" and reads "-" as "dash".
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& spoken,
                        const QString& tip, int left)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    button->setAccessibleName(spoken);
    button->setAccessibleDescription(tip);
    button->setGeometry(left, 40, 25, 25);
    return button;
}

}  // namespace

Form1::Form1(const Phrases* phrases, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      model_(*this, phrases)
{
    setObjectName(QStringLiteral("Form1"));
    // The calculator's face reads left to right in every language, as a
    // pocket calculator's and the desktops' own calculators do: the display
    // and the tape are times, "=-000:04:30", and the keys keep their order.
    // What carries words, the boxes and the tape's menu, follows the
    // language's direction.
    setLayoutDirection(Qt::LeftToRight);
    installWindowInterfaces();
    setWindowTitle(QStringLiteral("Marbolin"));
    setWindowIcon(appIcon());
    setFixedSize(169, 265);

    // The captions are the keys' own characters and stay as they are in
    // every language; the names and tooltips are the user's language.
    //: The + button's name, spoken by a screen reader.
    CommandPlus[0] =
        makeButton(this, "CommandPlus0", QStringLiteral("+"), tr("plus"), tr("add time", "tooltip"), 8);
    //: The - button's name, spoken by a screen reader.
    CommandPlus[1] = makeButton(this, "CommandPlus1", QStringLiteral("-"), tr("minus"),
                                tr("substract time", "tooltip"), 40);
    //: The C button's name, spoken by a screen reader.
    CommandClear = makeButton(this, "CommandClear", QStringLiteral("C"), tr("clear"),
                              tr("clear display", "tooltip"), 72);
    //: The CA button's name, spoken by a screen reader.
    CommandClearAll = makeButton(this, "CommandClearAll", QStringLiteral("CA"), tr("clear all"),
                                 tr("clear display and memory", "tooltip"), 104);
    //: The ? button's name, spoken by a screen reader.
    CommandInfo =
        makeButton(this, "CommandInfo", QStringLiteral("?"), tr("info"), tr("info", "tooltip"), 136);
    CommandPlus[0]->setDefault(true);
    fitCaptions();

    TextErgebnis = namedChild<QPlainTextEdit>(this, "TextErgebnis");
    TextErgebnis->setGeometry(8, 72, 153, 185);
    TextErgebnis->setReadOnly(true);
    TextErgebnis->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    TextErgebnis->setVerticalScrollBar(new TapeScrollBar(Qt::Vertical, TextErgebnis));
    TextErgebnis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QFont fixedPitch = tapeFont();
    TextErgebnis->setFont(fixedPitch);
    //: The result tape's name, spoken by a screen reader.
    TextErgebnis->setAccessibleName(tr("Result tape"));
    // The tape is only ever appended to; an undo history would grow with it.
    TextErgebnis->document()->setUndoRedoEnabled(false);
    tapeFocus_ = std::make_unique<FocusRing>(TextErgebnis);
    TextErgebnis->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TextErgebnis, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showTapeMenu(*TextErgebnis, at); });

    LabelZeit = namedChild<QLabel>(this, "LabelZeit");
    // With a name of its own, the label does not tell screen readers of
    // every new time; the announcer does, once per announcement.
    //: A screen reader reads the display as this name followed by its time, "Time 00:13:00".
    LabelZeit->setAccessibleName(tr("Time"));
    announcer_.followName(LabelZeit);
    LabelZeit->setGeometry(8, 8, 153, 25);
    LabelZeit->setFont(fixedPitch);
    LabelZeit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelZeit->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LabelZeit->setMargin(2);
    LabelZeit->setAutoFillBackground(true);
    // Black on white whatever the desktop's palette: a dark theme's light
    // text would vanish on the white display.
    QPalette white = LabelZeit->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    LabelZeit->setPalette(white);

    setTabOrder(CommandPlus[0], CommandPlus[1]);
    setTabOrder(CommandPlus[1], CommandClear);
    setTabOrder(CommandClear, CommandClearAll);
    setTabOrder(CommandClearAll, CommandInfo);
    setTabOrder(CommandInfo, TextErgebnis);

    // Key preview: every focusable control lets the calculator see a key
    // first, then handles it as usual.
    for (QWidget* control : {static_cast<QWidget*>(CommandPlus[0]), static_cast<QWidget*>(CommandPlus[1]),
                             static_cast<QWidget*>(CommandClear), static_cast<QWidget*>(CommandClearAll),
                             static_cast<QWidget*>(CommandInfo), static_cast<QWidget*>(TextErgebnis)}) {
        control->installEventFilter(this);
    }

    // The announcer waits for a screen reader that is behind with the keys.
    connect(&inputOrder_, &InputOrder::readerBehind, &announcer_, &Announcer::readerBehind);

    connect(CommandPlus[0], &QPushButton::clicked, this, [this] { model_.CommandPlus_Click(0); });
    connect(CommandPlus[1], &QPushButton::clicked, this, [this] { model_.CommandPlus_Click(1); });
    connect(CommandClear, &QPushButton::clicked, this, [this] { model_.CommandClear_Click(); });
    connect(CommandClearAll, &QPushButton::clicked, this, [this] { model_.CommandClearAll_Click(); });
    connect(CommandInfo, &QPushButton::clicked, this, [this] { model_.CommandInfo_Click(); });

    Form_Load();
    CommandPlus[0]->setFocus();

    // The whole frame opens in the middle of the screen's free area, placed
    // once, before the window is shown.
    centreFrame(*this);
}

void Form1::Form_Load()
{
    model_.Form_Load();
    matchTapeToWindow();
}

void Form1::matchTapeToWindow()
{
    // The tape wears the window's background, so its text takes the colour
    // the palette pairs with that background.
    QPalette palette = TextErgebnis->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Window));
    palette.setColor(QPalette::Text, this->palette().color(QPalette::WindowText));
    TextErgebnis->setPalette(palette);
}

void Form1::fitCaptions()
{
    const std::array<QPushButton*, 5> buttons{CommandPlus[0], CommandPlus[1], CommandClear, CommandClearAll,
                                              CommandInfo};
    QStringList captions;
    for (const QPushButton* button : buttons) {
        captions << button->text();
    }
    const QFont fitted = captionFont(font(), captions);
    for (QPushButton* button : buttons) {
        button->setFont(fitted);
    }
}

void Form1::changeEvent(QEvent* event)
{
    // A desktop that switches themes while the program runs changes the
    // window's palette; the tape follows it.
    if (event->type() == QEvent::PaletteChange) {
        matchTapeToWindow();
    }
    // The desktop's font size may change while the program runs.
    if (event->type() == QEvent::FontChange) {
        fitCaptions();
    }
    // The layout is fixed, so the window does not grow. Window managers
    // that grey out Maximize still offer Fullscreen; either is undone, once
    // the change that asked for it has run its course.
    constexpr Qt::WindowStates grown = Qt::WindowFullScreen | Qt::WindowMaximized;
    if (event->type() == QEvent::WindowStateChange && (windowState() & grown) != Qt::WindowNoState) {
        QMetaObject::invokeMethod(
            this, [this, grown] { setWindowState(windowState() & ~grown); }, Qt::QueuedConnection);
    }
    QDialog::changeEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // Keys that Qt Test sends straight to a control would bypass an open
    // message box; real keys never do, but the guard costs nothing.
    if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget() == nullptr) {
        if (const auto code = characterCode(*static_cast<QKeyEvent*>(event))) {
            emit keyForwarded(*code);
            model_.Form_KeyPress(*code);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    // A dialog closes on Escape; this window closes only by its close box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form1::showDisplay(const std::string& text)
{
    LabelZeit->setText(QString::fromStdString(text));
}

void Form1::showTape(const std::string& text)
{
    // Between two clears the calculator's tape only grows at its end, so
    // only the new lines need to go into the document. Anything else is
    // shown afresh.
    const bool fromModel = &text == &model_.tapeText();
    const bool grown = fromModel && model_.tapeClears() == tapeClearsSeen_ && text.size() >= tapeShown_;
    if (grown) {
        QTextCursor end(TextErgebnis->document());
        end.movePosition(QTextCursor::End);
        end.insertText(fromCrLf(text.data() + tapeShown_, text.size() - tapeShown_));
    } else {
        TextErgebnis->setPlainText(fromCrLf(text.data(), text.size()));
    }
    tapeShown_ = text.size();
    // A text from elsewhere makes the next tape from the calculator a reset.
    tapeClearsSeen_ = fromModel ? model_.tapeClears() : kForeignTape;
}

void Form1::scrollTapeToEnd()
{
    // Text inserted at the caret carries it along, so after an operation it
    // is normally at the end already. Setting it again would cost as much as
    // the insert itself; it is moved only when the user has moved it.
    QTextCursor cursor = TextErgebnis->textCursor();
    if (!cursor.atEnd() || cursor.hasSelection()) {
        cursor.movePosition(QTextCursor::End);
        TextErgebnis->setTextCursor(cursor);
    }
    // The caret sits on the empty line after the last break, which
    // ensureCursorVisible() leaves one step short of the bottom.
    QScrollBar* bar = TextErgebnis->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void Form1::beep()
{
    bell_.ring();
}

void Form1::announce(const std::string& text)
{
    announcer_.announce(QString::fromStdString(text));
}

void Form1::messageBox(const std::string& text, Icon icon, const std::string& title)
{
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(title), fromCrLf(text.data(), text.size()), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.setLayoutDirection(QGuiApplication::layoutDirection());
    box.exec();
}

}  // namespace marbolin
