#pragma once
// A running main window over a sample register: the settings window it reads
// its options from, then the main window, shown, as the program starts them.
#include "app/tform1.h"
#include "registerfolder.h"
#include "settings/tayarfrm.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Runs the event loop for `ms` milliseconds, letting it wait (and so go idle).
void spinEventLoop(int ms);

class MainWindowTest : public ::testing::Test
{
public:
    // Types text into a control as key presses (non-ASCII letters included).
    static void type(QWidget *control, const QString &text);

protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program's windows (again) over the folder's register.
    void start();
    // Closes the main window as the user would and forgets both windows.
    void stop();

    template <class T>
    T *find(const char *name) const
    {
        T *w = form->findChild<T *>(QString::fromLatin1(name));
        if (!w && settings)
            w = settings->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << "no control named " << name;
        return w;
    }
    void idle() { form->AppIdle(); }

    virtual void fill() { folder.fillSample(); }

    RegisterFolder folder;
    std::unique_ptr<TForm1> form;
    TAyarFrm *settings = nullptr;
};
