// The radius dialogs of the pattern generators: the quasitiler (TForm6) and
// the penrose patch share one form over the texts of their logic.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DialogForms.h"
#include "app/Dialogs.h"
#include "app/ModalUi.h"

namespace rho {

template <class Logic>
RadiusForm<Logic>::RadiusForm(Tiling& t, Shell& shell, QWidget* parent) : QDialog(parent), logic_(t, shell) {
    using D = Logic;
    setWindowTitle(D::kCaption);
    setFixedSize(300, 236);

    auto* size = new QGroupBox(QString::fromUtf8(D::kSizeGroup), this);
    size->setGeometry(10, 8, 280, 60);
    auto* label = new QLabel(QString::fromUtf8(D::kRadiusLabel), size);
    label->setGeometry(12, 26, 150, 22);
    // The up-down's upper end lies beyond the accepted radii, so the range
    // message can be reached with the arrows as well.
    edit_ = addUpDownEdit(size, "Edit1", logic_.editText, D::kUpDownMinimum, 100, 170, 26, 90);

    auto* doIt = new QPushButton(QString::fromUtf8(D::kDoItButton), this);
    doIt->setObjectName("Button1");
    doIt->setGeometry(10, 76, 130, 26);
    doIt->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8(D::kCancelButton), this);
    cancel->setObjectName("Button2");
    cancel->setGeometry(160, 76, 130, 26);

    auto* thanks = new QGroupBox(QString::fromUtf8(D::kThanksGroup), this);
    thanks->setGeometry(10, 110, 280, 116);
    auto* credit = new QLabel(QString::fromUtf8(D::kThanksText), thanks);
    credit->setWordWrap(true);
    credit->setGeometry(12, 22, 256, 86);

    connect(doIt, &QPushButton::clicked, this, [this] {
        logic_.editText = edit_->text().toStdString();
        logic_.Button1Click();
        if (logic_.closed) accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        logic_.Button2Click();
        reject();
    });
}

template class RadiusForm<QuasitilerDialog>;
template class RadiusForm<PenrosePatchDialog>;

void quasitiler1Click(Tiling& t, Shell& shell, ModalUi& ui, QWidget* parent) {
    TForm6 form(t, shell, parent);
    ui.execDialog(form);
}

void penrosepatch1Click(Tiling& t, Shell& shell, ModalUi& ui, QWidget* parent) {
    PenrosePatchForm form(t, shell, parent);
    ui.execDialog(form);
}

}  // namespace rho
