#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DialogForms.h"
#include "app/Dialogs.h"
#include "app/ModalUi.h"

namespace rho {

namespace {

// A label shows a doubled ampersand as one.
QString labelText(const char* text) { return QString::fromUtf8(text).replace("&&", "&"); }

QPushButton* addButton(QWidget* parent, const char* name, const char* text, int x, int y) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    button->setGeometry(x, y, 100, 26);
    return button;
}

}  // namespace

TForm3::TForm3(Tiling& t, Shell& shell, QWidget* parent) : QDialog(parent), logic_(t, shell) {
    using D = BoundingBoxDialog;
    setWindowTitle(D::kCaption);
    setFixedSize(236, 182);

    auto* corner = new QLabel(labelText(D::kCornerLabel), this);
    corner->setGeometry(12, 10, 212, 18);
    auto* size = new QLabel(labelText(D::kSizeLabel), this);
    size->setGeometry(12, 62, 212, 18);
    const char* names[4] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    for (int i = 0; i < 4; ++i) {
        edits_[i] = addUpDownEdit(this, names[i], logic_.editText[i], D::kUpDownMinimum, D::kUpDownMaximum,
                                  12 + (i % 2) * 112, 32 + (i / 2) * 52, 100);
    }

    auto* ratio = new QCheckBox(QString::fromUtf8(D::kRatioCheckBox), this);
    ratio->setObjectName("CheckBox1");
    ratio->setGeometry(12, 114, 212, 22);
    ratio->setChecked(logic_.checkBoxChecked);
    ratio->setEnabled(logic_.checkBoxEnabled);
    connect(ratio, &QCheckBox::clicked, this, [this](bool checked) { logic_.CheckBox1Click(checked); });

    auto* cancel = addButton(this, "Button1", D::kCancelButton, 12, 144);
    auto* accept = addButton(this, "Button2", D::kAcceptButton, 124, 144);
    accept->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] {
        logic_.Button1Click();
        reject();
    });
    connect(accept, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < 4; ++i) logic_.editText[i] = edits_[i]->text().toStdString();
        logic_.Button2Click();
        if (logic_.closed) QDialog::accept();
    });
}

void setboundingbox1Click(Tiling& t, Shell& shell, ModalUi& ui, QWidget* parent) {
    TForm3 form(t, shell, parent);
    ui.execDialog(form);
}

}  // namespace rho
