#include "frmBingo.h"

#include "conversions.h"
#include "dataCenter.h"
#include "frmNew.h"
#include "handleEvent.h"
#include "picture.h"
#include "printPage.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

#include <cmath>

namespace {

constexpr QColor white{0xFF, 0xFF, 0xFF};

// The board is paper, white whatever the desktop's theme, so what is drawn on
// it takes the system colour its definition names only where that colour
// reads on white; where a dark theme makes it light, it is black.
double contrastWithWhite(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const double luminance =
        0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    return 1.05 / (luminance + 0.05);
}

// Opaque, as ink on paper is: a see-through colour (Windows 11's style gives
// its light scheme's text one) reaches the printer as grey pixels, not as
// black lines and text.
QColor readableOnWhite(const QColor &colour, double minimumContrast)
{
    return contrastWithWhite(colour) >= minimumContrast ? QColor(colour.rgb()) : QColor(Qt::black);
}

constexpr double textContrast = 4.5;
constexpr double lineContrast = 3.0;

// Dark enough to stand out at 3 : 1 and more beside both white and the mark colour.
constexpr QColor focusColour{0x0B, 0x3D, 0x91};

struct LetterPicture
{
    int left;
    const char *file;
    char16_t letter;
};
// Each letter stands 360 twips right of its column's left edge, all at Top 240.
constexpr LetterPicture letterPictures[] = {
    {600, ":/letterBe.bmp", u'Б'},
    {1680, ":/letterI.bmp", u'И'},
    {2760, ":/letterEn.bmp", u'Н'},
    {3840, ":/letterGe.bmp", u'Г'},
    {4920, ":/letterO.bmp", u'О'},
};

struct GridLine
{
    int x1, y1, x2, y2;
};
// Line1..Line12: the box X 240..5640, Y 840..5040, five columns 1080 wide and
// five rows 840 high.
constexpr GridLine gridLines[] = {
    {240, 840, 240, 5040},   {5640, 840, 240, 840},   {5640, 5040, 5640, 840},
    {240, 5040, 5640, 5040}, {1320, 840, 1320, 5040}, {2400, 840, 2400, 5040},
    {3480, 840, 3480, 5040}, {4560, 840, 4560, 5040}, {240, 2520, 5640, 2520},
    {240, 1680, 5640, 1680}, {240, 3360, 5640, 3360}, {240, 4200, 5640, 4200},
};

// Windows 11's style draws a dark scheme's buttons for a dark window, some
// of their faces see-through (disabled, under the mouse, pressed): over the
// white board those faces are white, under white captions. There the board's
// buttons take the colours the style gives a light scheme's, each time it
// polishes them, as it does again when the system's scheme changes.
class BoardButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent *event) override
    {
        const bool handled = QPushButton::event(event);
        if ((event->type() == QEvent::Polish || event->type() == QEvent::StyleChange) && drawnForADarkWindow()) {
            QPalette p = palette();
            p.setColor(QPalette::Button, QColor(0xFF, 0xFF, 0xFF, 0xB3));
            p.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x00, 0xE4));
            p.setColor(QPalette::Disabled, QPalette::Button, QColor(0xF9, 0xF9, 0xF9, 0x4D));
            p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x00, 0x00, 0x00, 0x5C));
            setPalette(p);
        }
        return handled;
    }

private:
    // Disabled, a see-through face under a caption that vanishes on white.
    bool drawnForADarkWindow() const
    {
        return palette().color(QPalette::Disabled, QPalette::Button).alpha() < 255
            && contrastWithWhite(palette().color(QPalette::Disabled, QPalette::ButtonText)) < 2;
    }
};

// Enter or Space on a focused button presses that button; none is the
// window's default.
QPushButton *makeButton(QWidget *parent, const char *caption, QRect geometry, bool enabled)
{
    auto *button = new BoardButton(QString::fromLatin1(caption), parent);
    button->setGeometry(geometry);
    button->setEnabled(enabled);
    button->setAutoDefault(true);
    return button;
}

CellLabel *makeCell(QWidget *parent, int index)
{
    const int column = dataCenter::Card::column(index);
    const int row = dataCenter::Card::row(index);
    auto *cell = new CellLabel(parent, frmBingo::tr("%1, row %2").arg(QChar(letterPictures[column].letter)).arg(row + 1));
    cell->setGeometry(twipRect(735 + 1080 * column, 960 + 840 * row, 105, 465));
    cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPointSizeF(20.25);
    cell->setFont(font);

    QPalette palette = cell->palette();
    palette.setColor(QPalette::WindowText,
                     readableOnWhite(QApplication::palette().color(QPalette::ButtonText), textContrast));
    cell->setPalette(palette);
    cell->setBackColor(index == 0 ? white : QApplication::palette().color(QPalette::HighlightedText));
    return cell;
}

} // namespace

// Buttons are made in tab order, "New...", "Print", "Another", so the keyboard
// focus starts on "New..." and Tab moves as the window's tab order says.
frmBingo::frmBingo()
    : cmdNew(makeButton(this, "New...", twipRect(240, 5280, 1575, 375), true))
    , cmdPrint(makeButton(this, "Print", twipRect(4080, 5280, 1575, 375), false))
    , cmdAnother(makeButton(this, "Another", twipRect(2040, 5280, 1815, 375), false))
{
    setWindowTitle(QStringLiteral("Ventaro!"));
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    resize(px(5895), px(5880));

    for (int i = 0; i < 5; ++i)
        Image[i] = makePictureLabel(this, QString::fromLatin1(letterPictures[i].file), twipPoint(letterPictures[i].left, 240),
                                    QChar(letterPictures[i].letter));

    connect(cmdNew, &QPushButton::clicked, this, [this] { handleEvent([this] { cmdNew_Click(); }); });
    connect(cmdAnother, &QPushButton::clicked, this, [this] { handleEvent([this] { cmdAnother_Click(); }); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { handleEvent([this] { cmdPrint_Click(); }); });

    for (int i = 0; i < dataCenter::Card::size; ++i) {
        GameLabel[i] = makeCell(this, i);
        connect(GameLabel[i], &CellLabel::clicked, this, [this, i] { handleEvent([&] { GameLabel_Click(i); }); });
        connect(GameLabel[i], &CellLabel::doubleClicked, this,
                [this, i] { handleEvent([&] { GameLabel_DblClick(i); }); });
        connect(GameLabel[i], &CellLabel::arrowPressed, this,
                [this, i](int columns, int rows) { handleEvent([&] { moveGridFocus(i, columns, rows); }); });
    }
    // Created after the buttons, the cells follow them in the tab chain; the
    // one that takes Tab makes the grid a single stop. A click never focuses a cell.
    GameLabel[m_focusCell]->setFocusPolicy(Qt::TabFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (qobject_cast<CellLabel *>(old) || qobject_cast<CellLabel *>(now))
            update();
    });
}

void frmBingo::Form_Load()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, white);
    setPalette(p);
    dataCenter::setStartNumber(1);
    dataCenter::setEndNumber(75);
}

void frmBingo::updateBoard()
{
    for (int i = 0; i < dataCenter::Card::size; ++i) {
        CellLabel *cell = GameLabel[i];
        cell->setBackColor(white);
        cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (cell->font().pointSizeF() != 20) {
            QFont font = cell->font();
            font.setPointSizeF(20);
            cell->setFont(font);
        }
        cell->setCaption(numberToText(dataCenter::getCard()[i]));
    }
}

void frmBingo::cmdNew_Click()
{
    form<frmNew>().show();
}

// A deal that fails leaves the card, and so the board, as they were.
void frmBingo::cmdAnother_Click()
{
    dataCenter::makeCard();
    updateBoard();
}

void frmBingo::cmdPrint_Click()
{
    sendToPrinter(takePage(), *this);
}

// The page shows the board without its buttons, which come back before it is
// sent, so that they are on screen while a PDF's file name is asked. Nothing
// has the focus meanwhile, so a hidden button does not pass it to the grid
// and the page shows no focus; it returns where it was.
QPicture frmBingo::takePage()
{
    const QPointer<QWidget> focused = focusWidget();
    if (focused)
        focused->clearFocus();
    setButtonsVisible(false);
    const auto restore = qScopeGuard([this, focused] {
        setButtonsVisible(true);
        if (focused)
            focused->setFocus(Qt::OtherFocusReason);
    });
    return pagePicture(*this);
}

void frmBingo::setButtonsVisible(bool visible)
{
    cmdNew->setVisible(visible);
    cmdAnother->setVisible(visible);
    cmdPrint->setVisible(visible);
}

void frmBingo::GameLabel_Click(int Index)
{
    GameLabel[Index]->setBackColor(markColour);
}

void frmBingo::GameLabel_DblClick(int Index)
{
    GameLabel[Index]->setBackColor(white);
}

// The arrows move the grid's one tab stop and its focus, and stop at the edges.
void frmBingo::moveGridFocus(int Index, int columns, int rows)
{
    using dataCenter::Card;
    const int next = Card::index(qBound(0, Card::column(Index) + columns, 4), qBound(0, Card::row(Index) + rows, 4));
    GameLabel[next]->setFocusPolicy(Qt::TabFocus);
    GameLabel[next]->setFocus(Qt::OtherFocusReason);
    if (next != m_focusCell)
        GameLabel[m_focusCell]->setFocusPolicy(Qt::NoFocus);
    m_focusCell = next;
}

void frmBingo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // On paper a line keeps the width of a screen pixel, not the printer's
    // finest hairline, and covers the pixels the screen gives it.
    const bool paper = onPaper(painter);
    const QPointF onPixels = paper ? QPointF(0.5, 0.5) : QPointF();
    painter.setPen(QPen(readableOnWhite(palette().color(QPalette::WindowText), lineContrast), paper ? 1 : 0));
    for (const GridLine &line : gridLines)
        painter.drawLine(QLineF(twipPoint(line.x1, line.y1), twipPoint(line.x2, line.y2)).translated(onPixels));

    // The keyboard focus: a ring 2 pixels wide, 2 pixels inside the cell's square of the grid.
    if (GameLabel[m_focusCell]->hasFocus()) {
        const int column = dataCenter::Card::column(m_focusCell);
        const int row = dataCenter::Card::row(m_focusCell);
        const QRect square = twipRect(240 + 1080 * column, 840 + 840 * row, 1080, 840);
        painter.setPen(QPen(focusColour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(square).adjusted(4, 4, -3, -3));
    }
}
