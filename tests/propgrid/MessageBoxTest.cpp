#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "MessageBox.h"

namespace vantoro {
namespace {

// The real box, answered from the keyboard: each choice by its first letter no choice before
// it took, typed alone as in Windows' boxes, and Escape by the last.
TEST(MessageBoxTest, ChoicesAnswerTheirFirstFreeLetterAndEscapeTheLast) {
    const CMessageBox::ChoiceHandler previous = CMessageBox::SetChoiceHandler(nullptr);
    auto answer = [](const QStringList& choices, Qt::Key key) {
        QStringList labels;
        QTimer::singleShot(0, [&labels, key] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
                labels.append(button->text());
            QTest::keyClick(box, key);
            // A key the box does not answer fails the test, not hangs it.
            QTimer::singleShot(2000, box, [box] { QTest::keyClick(box, Qt::Key_Escape); });
        });
        const int chosen =
            CMessageBox::Ask(nullptr, QStringLiteral("Open the variant now?"), choices);
        labels.sort();
        return std::make_pair(chosen, labels);
    };
    const QStringList yesNo = {QStringLiteral("Yes"), QStringLiteral("No")};
    EXPECT_EQ(answer(yesNo, Qt::Key_N), std::make_pair(1, QStringList{"&No", "&Yes"}));
    EXPECT_EQ(answer(yesNo, Qt::Key_Y).first, 0);
    EXPECT_EQ(answer(yesNo, Qt::Key_Escape).first, 1);

    // A letter taken goes to the choice's next free one: Save, s&Kip, Cancel.
    const QStringList taken = {QStringLiteral("Save"), QStringLiteral("Skip"),
                               QStringLiteral("Cancel")};
    EXPECT_EQ(answer(taken, Qt::Key_K),
              std::make_pair(1, QStringList{"&Cancel", "&Save", "S&kip"}));
    EXPECT_EQ(answer(taken, Qt::Key_C).first, 2);
    CMessageBox::SetChoiceHandler(previous);
}

}  // namespace
}  // namespace vantoro
