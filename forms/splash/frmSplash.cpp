#include "frmSplash.h"

#include "autoSizedLabel.h"
#include "frmBingo.h"
#include "handleEvent.h"
#include "picture.h"
#include "twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

const QString instructions = QStringLiteral(
    "\"New\" begins a new game, asking for a starting number and an ending number.  "
    "\"Another\" begins a new game using numbers that were most recently entered.  "
    "Click a number to mark it, double-click to un-mark it.");

QFont arial(qreal points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Its caption reads from the top of its box, as the forms draw one.
template <class Label = QLabel>
Label *makeLabel(QWidget *frame, const QString &caption, QRect geometry, const QFont &font)
{
    auto *label = new Label(caption, frame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

// A label that sizes itself to its text, keeping its top-left corner.
QLabel *makeAutoSizedLabel(QWidget *frame, const QString &caption, QPoint topLeft, const QFont &font,
                           Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = makeLabel<AutoSizedLabel>(frame, QString(), QRect(topLeft, QSize()), font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setCaption(caption);
    return label;
}

} // namespace

SplashFrame::SplashFrame(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

bool SplashFrame::isBare(QPointF position) const
{
    return rect().contains(position.toPoint()) && !childAt(position.toPoint());
}

// The labels and pictures take no clicks of their own, so Qt hands their
// mouse events on to the frame; only those on the bare frame count.
void SplashFrame::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBare = event->button() == Qt::LeftButton && isBare(event->position());
}

void SplashFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedOnBare && event->button() == Qt::LeftButton && isBare(event->position());
    m_pressedOnBare = false;
    if (click)
        emit clicked();
}

void Instructions::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
}

void StretchedPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), pixmap());
}

frmSplash::frmSplash()
    : Frame1(new SplashFrame(this))
    , Timer1(new QTimer(this))
    , imgLogo(new StretchedPicture(Frame1))
{
    // A fixed border with neither caption nor control box: no title bar. A
    // Wayland client draws its own title bar and buttons unless it is frameless.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (QGuiApplication::platformName().startsWith(u"wayland"))
        flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);
    setFixedSize(px(7215), px(4260));

    Frame1->setGeometry(twipRect(0, 0, 7200, 4170));

    setAccessibleName(QStringLiteral("Ventaro, БИНГО"));

    imgLogo->setAccessibleName(tr("A wide square with a cathedral and a clock tower"));
    imgLogo->setPixmap(picture(QStringLiteral(":/photograph.bmp")));
    imgLogo->setScaledContents(true);
    imgLogo->setGeometry(twipRect(240, 360, 4575, 2385));
    lblCompanyProduct = makeAutoSizedLabel(Frame1, QStringLiteral("Ventaro,"), twipPoint(4920, 360), arial(18, true));

    // The title's letters fall on a diagonal, each 360 right of and 240 below the one before.
    Image1 = makePictureLabel(Frame1, QStringLiteral(":/letterBe.bmp"), twipPoint(4920, 840), QStringLiteral("Б"));
    Image5 = makePictureLabel(Frame1, QStringLiteral(":/letterI.bmp"), twipPoint(5280, 1080), QStringLiteral("И"));
    Image4 = makePictureLabel(Frame1, QStringLiteral(":/letterEn.bmp"), twipPoint(5640, 1320), QStringLiteral("Н"));
    Image3 = makePictureLabel(Frame1, QStringLiteral(":/letterGe.bmp"), twipPoint(6000, 1560), QStringLiteral("Г"));
    Image2 = makePictureLabel(Frame1, QStringLiteral(":/letterO.bmp"), twipPoint(6360, 1800), QStringLiteral("О"));

    lblPlatform = makeAutoSizedLabel(Frame1, QStringLiteral("for Windows"), twipPoint(4965, 2340), arial(15.75, true),
                                     Qt::AlignRight);
    lblVersion = makeAutoSizedLabel(Frame1, QStringLiteral("v. 1.2"), twipPoint(6270, 2700), arial(12, true),
                                    Qt::AlignRight);
    Label1 = makeLabel(Frame1, QStringLiteral("To play:"), twipRect(240, 2880, 975, 255), arial(8.25, false));
    lblWarning = makeLabel<Instructions>(Frame1, instructions, twipRect(240, 3120, 4095, 915), arial(8.25, false));
    lblWarning->setWordWrap(true);
    // A screen reader speaks the window and then what has the keyboard focus:
    // the instructions, named by "To play:". Nothing takes the focus by a key,
    // so every key still reaches the window.
    Label1->setBuddy(lblWarning);
    lblWarning->setAccessibleDescription(instructions);
    lblWarning->setFocus();
    lblCopyright = makeLabel(Frame1, QStringLiteral("Copyright © 2026 Ventaro"), twipRect(4560, 3360, 2415, 255),
                             arial(8.25, false));
    lblCompany = makeLabel(Frame1, QStringLiteral("Ventaro Software"), twipRect(4560, 3600, 2415, 255),
                           arial(8.25, false));

    connect(Frame1, &SplashFrame::clicked, this, [this] { handleEvent([this] { Frame1_Click(); }); });
    connect(Timer1, &QTimer::timeout, this, [this] { handleEvent([this] { Timer1_Timer(); }); });
    Timer1->start(10000);
}

// Centred as a whole, border included, which is known once the window exists.
void frmSplash::showEvent(QShowEvent *event)
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    Form::showEvent(event);
}

// Key preview: nothing on the splash takes the focus, so every key comes
// here; those that produce a character are the window's KeyPress. Qt gives
// Delete the character DEL, which the keyboard of the window system the game
// was made for does not type.
void frmSplash::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty() || event->key() == Qt::Key_Delete)
        return Form::keyPressEvent(event);
    handleEvent([this] { Form_KeyPress(); });
}

// The splash offers nothing to close it by; a close request that reaches it
// anyway (a window manager's Alt+F4) hands over like a key, rather than end
// the program before the board was ever seen.
void frmSplash::closeEvent(QCloseEvent *event)
{
    if (!isUnloading())
        handleEvent([this] { Frame1_Click(); });
    Form::closeEvent(event);
}

void frmSplash::Form_KeyPress()
{
    Frame1_Click();
}

void frmSplash::Timer1_Timer()
{
    Frame1_Click();
}

// The hand-over: the board is shown before the splash is unloaded.
void frmSplash::Frame1_Click()
{
    form<frmBingo>().show();
    unload();
}
