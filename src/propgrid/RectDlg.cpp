#include "RectDlg.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "MessageBox.h"

namespace vantoro {
namespace {
constexpr int kControlIds[4] = {1000, 1004, 1005, 1006};
}

CRectDlg::CRectDlg(const CRect& rect, QWidget* parent, Judge judge)
    : QDialog(parent), m_rect(rect), m_judge(std::move(judge)) {
    setWindowTitle(QStringLiteral("Input"));
    setObjectName(QStringLiteral("251"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setObjectName(QStringLiteral("1"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("2"));
    connect(ok, &QPushButton::clicked, this, &CRectDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CRectDlg::reject);

    auto* grid = new QGridLayout;
    const char* labels[4] = {"Left:", "Top:", "Width:", "Height:"};
    // A sign and digits while typing: a negative number is the rules' to refuse, by name.
    // Pasted text still meets the check on OK.
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[+-]?[0-9]*")), this);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromLatin1(labels[i]), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QString::number(kControlIds[i]));
        m_fields[i]->setValidator(digits);
        m_fields[i]->setAccessibleName(QString::fromLatin1(labels[i]).chopped(1));
        label->setBuddy(m_fields[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(m_fields[i], i, 1);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // The old dialog's tab order: the buttons first, then the fields.
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_fields[0]);
    for (int i = 0; i < 3; ++i) setTabOrder(m_fields[i], m_fields[i + 1]);

    m_nLeft = rect.left;
    m_nTop = rect.top;
    m_nWidth = rect.right - rect.left;
    m_nHeight = rect.bottom - rect.top;
    const int values[4] = {m_nLeft, m_nTop, m_nWidth, m_nHeight};
    for (int i = 0; i < 4; ++i) m_fields[i]->setText(QString::number(values[i]));
    // The keyboard starts where the typing is, on Left, ready to be typed over.
    m_fields[0]->setFocus(Qt::OtherFocusReason);
    m_fields[0]->selectAll();
}

QLineEdit* CRectDlg::Field(int controlId) const {
    for (int i = 0; i < 4; ++i)
        if (kControlIds[i] == controlId) return m_fields[i];
    return nullptr;
}

void CRectDlg::SetRowName(const QString& name) {
    setAccessibleDescription(
        name.isEmpty() ? QString() : name + QStringLiteral(": left, top, width and height"));
}

QString CRectDlg::NotAnIntegerText(int field) {
    const char* names[4] = {"Left", "Top", "Width", "Height"};
    return QStringLiteral("Please enter an integer between %1 and %2 for %3.")
        .arg(std::numeric_limits<int32_t>::min())
        .arg(std::numeric_limits<int32_t>::max())
        .arg(QString::fromLatin1(names[field]));
}

bool CRectDlg::ExchangeData() {
    int* targets[4] = {&m_nLeft, &m_nTop, &m_nWidth, &m_nHeight};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int value = m_fields[i]->text().trimmed().toInt(&ok);
        if (!ok) {
            Refuse(i, NotAnIntegerText(i));
            return false;
        }
        *targets[i] = value;
    }
    return true;
}

void CRectDlg::Refuse(int field, const QString& message) {
    CMessageBox::Show(this, message);
    m_fields[field]->setFocus(Qt::OtherFocusReason);
    m_fields[field]->selectAll();
}

void CRectDlg::accept() {
    if (!ExchangeData()) return;
    auto edge = [](int64_t v) {
        return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
    };
    const CRect rect{m_nLeft, m_nTop, edge(int64_t(m_nLeft) + m_nWidth),
                     edge(int64_t(m_nTop) + m_nHeight)};
    if (m_judge) {
        if (const QString refusal = m_judge(rect); !refusal.isEmpty()) {
            // The field the sentence is about; the width when it names none.
            int field = 2;
            const char* words[4] = {"left", "top", "width", "height"};
            for (int i = 0; i < 4; ++i)
                if (refusal.contains(QLatin1String(words[i]))) field = i;
            Refuse(field, refusal);
            return;
        }
    }
    m_rect = rect;
    QDialog::accept();
}

}  // namespace vantoro
