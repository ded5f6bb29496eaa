#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers the next message box that opens, keeping its text; "" when none
// opened before control came back to the event loop.
class MessageBoxCatcher
{
public:
    MessageBoxCatcher()
    {
        QTimer::singleShot(0, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_text = box->text();
                box->accept();
            }
        });
    }

    const QString &text() const { return m_text; }

private:
    QString m_text;
};
