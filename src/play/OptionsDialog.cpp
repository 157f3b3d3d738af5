#include "play/OptionsDialog.h"

#include "board/PICSD33.h"
#include "periphery/Seams.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>

OptionsDialog::OptionsDialog(TPICSD33 &board, QWidget *parent) : QDialog(parent), board_(board)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    options_ = options::load(path());
    board_.allClashes = options_.everyClash;

    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < static_cast<int>(options::rows().size()); ++i) {
        const options::Row &row = options::rows()[static_cast<size_t>(i)];
        auto *cb = new QCheckBox(QString::fromLatin1(row.caption), this);
        cb->setObjectName(QString::fromLatin1(row.key));
        cb->setChecked(options_.*row.field);
        boxes_[static_cast<size_t>(i)] = cb;
        layout->addWidget(cb);
        seams::connectGuarded(cb, &QCheckBox::toggled, this, [this, i](bool on) { toggled(i, on); });
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString OptionsDialog::path() const { return QDir(seams::programDirectory()).filePath(QString::fromLatin1(options::kFileName)); }

void OptionsDialog::toggled(int row, bool on)
{
    options_.*options::rows()[static_cast<size_t>(row)].field = on;
    board_.allClashes = options_.everyClash;
    emit changed();
    QString error;
    if (!options::save(path(), options_, &error))
        seams::messages().report(QStringLiteral("The options could not be saved to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(path()), error));
}
