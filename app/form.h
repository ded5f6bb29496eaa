#pragma once

#include <QPointer>
#include <QWidget>

// A window of the program. Each kind of window has one program-wide instance,
// reached through form<F>(): the first call creates it from its design-time
// values and runs Form_Load, without showing it; later calls hand back the
// same instance until it is unloaded, and the call after that creates a fresh one.
class Form : public QWidget
{
    Q_OBJECT

public:
    // Shows modeless and, as a shown window should, comes to the front with
    // the keyboard (where no window manager runs, nothing else would give it),
    // drawn at once.
    void setVisible(bool visible) override;

    // Stops the window's timers, raises Form_Unload, then closes and discards
    // the window. An unload of a window that is already being unloaded does
    // nothing more.
    void unload();
    bool isUnloading() const { return m_unloading; }

protected:
    Form();

    virtual void Form_Load() {}
    virtual void Form_Unload(int &Cancel);

    void closeEvent(QCloseEvent *event) override;

private:
    template <class F>
    friend F &form();

    void load() { Form_Load(); }

    bool m_unloading = false;
};

template <class F>
struct FormInstance
{
    static inline QPointer<F> current;
};

// The program-wide instance if it exists and is not being unloaded; never creates one.
template <class F>
F *existingForm()
{
    F *current = FormInstance<F>::current;
    return current && !current->isUnloading() ? current : nullptr;
}

template <class F>
F &form()
{
    if (F *current = existingForm<F>())
        return *current;
    F *created = new F;
    FormInstance<F>::current = created;
    static_cast<Form &>(*created).load();
    return *created;
}
