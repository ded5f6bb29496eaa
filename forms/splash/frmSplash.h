#pragma once

#include "form.h"

#include <QFrame>
#include <QLabel>

class QTimer;

// The frame that fills the splash: a click on its bare surface, where no
// label or picture lies, is the frame's click.
class SplashFrame : public QFrame
{
    Q_OBJECT

public:
    explicit SplashFrame(QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool isBare(QPointF position) const;

    bool m_pressedOnBare = false;
};

// The instructions hold the keyboard focus, for a screen reader to speak,
// but offer nothing to select: a QLabel would lay its text out afresh as a
// document when the focus comes, costing the first frame some milliseconds.
class Instructions : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

// A picture stretched to fill its control as a stretching blit does, without
// smoothing, which would cost the first frame a millisecond.
class StretchedPicture : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// frmSplash, the start-up window: title, photograph, version and how to
// play. It hands over to the board on its timer's tick ten seconds after the
// load, on a character key or on a click on the bare frame, and is then gone.
class frmSplash : public Form
{
    Q_OBJECT

public:
    frmSplash();

    SplashFrame *const Frame1;
    QTimer *const Timer1;
    StretchedPicture *const imgLogo;
    QLabel *lblCompanyProduct;
    QLabel *lblPlatform;
    QLabel *lblVersion;
    QLabel *Label1;
    QLabel *lblWarning;
    QLabel *lblCopyright;
    QLabel *lblCompany;
    QLabel *Image1, *Image2, *Image3, *Image4, *Image5;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_KeyPress();
    void Timer1_Timer();
    void Frame1_Click();
};
