#include "play/OptionsDialog.h"

#include "play/PlayModel.h"
#include "periphery/Seams.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

OptionsDialog::OptionsDialog(PlayModel &play, QWidget *parent) : QDialog(parent), play_(play)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));

    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < static_cast<int>(options::rows().size()); ++i) {
        const options::Row &row = options::rows()[static_cast<size_t>(i)];
        auto *cb = new QCheckBox(QString::fromLatin1(row.caption), this);
        cb->setObjectName(QString::fromLatin1(row.key));
        boxes_[static_cast<size_t>(i)] = cb;
        layout->addWidget(cb);
        seams::connectGuarded(cb, &QCheckBox::toggled, this, [this, i](bool on) { play_.setOption(i, on); });
    }
    showOptions();
    connect(&play_, &PlayModel::optionsChanged, this, &OptionsDialog::showOptions);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// The boxes show the model's options.
void OptionsDialog::showOptions()
{
    for (size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(play_.options().*options::rows()[i].field);
}
