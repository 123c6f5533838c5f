#include <QLineEdit>
#include <QToolButton>

#include "app/DialogForms.h"
#include "edit/DecimalText.h"

namespace rho {

QLineEdit* addUpDownEdit(QWidget* parent, const QString& name, const std::string& text, int minimum, int maximum,
                         int x, int y, int width) {
    constexpr int kHeight = 22;
    constexpr int kArrowWidth = 16;
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setObjectName(name);
    edit->setGeometry(x, y, width - kArrowWidth, kHeight);
    const struct {
        const char* suffix;
        Qt::ArrowType arrow;
        int delta;
        int top;
    } arrows[] = {{"Up", Qt::UpArrow, 1, y}, {"Down", Qt::DownArrow, -1, y + kHeight / 2}};
    for (const auto& a : arrows) {
        auto* button = new QToolButton(parent);
        button->setObjectName(name + a.suffix);
        button->setArrowType(a.arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(x + width - kArrowWidth, a.top, kArrowWidth, kHeight / 2);
        const int delta = a.delta;
        QObject::connect(button, &QToolButton::clicked, edit, [edit, delta, minimum, maximum] {
            edit->setText(QString::fromStdString(
                stepDecimalText(edit->text().toStdString(), delta, minimum, maximum)));
        });
    }
    return edit;
}

}  // namespace rho
