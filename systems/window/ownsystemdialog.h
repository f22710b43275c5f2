#pragma once
// "Saját rendszer…": the editor of the player's own systems. A system is
// named and saved in the systems file of the lists folder; a saved one can be
// opened again, changed or deleted. A damaged file is named in a message and
// never written over.
#include <QDialog>

#include <vector>

#include "systems/ownsystem.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vintaro {

class Platform;

class OwnSystemDialog : public QDialog
{
    Q_OBJECT
public:
    // `start`: what a new system begins with (the systems window's bet and rules).
    OwnSystemDialog(const QString &file, const OwnSystem &start, Platform &platform, QWidget *parent = nullptr);

    // The name of the system saved last, or empty.
    QString savedName() const { return m_savedName; }

    void save();   // Mentés
    void remove(); // Törlés

signals:
    void systemsChanged();

private:
    // The saved systems; false (after saying why) when the file is damaged.
    bool load(std::vector<OwnSystem> &systems);
    void fillSaved(const QString &select);
    void showSystem(const OwnSystem &system);
    OwnSystem read() const;
    void generate();

    QString m_file;
    Platform &m_platform;
    QString m_savedName;

    QComboBox *m_saved = nullptr, *m_bet = nullptr, *m_onWin = nullptr, *m_onLoss = nullptr,
              *m_afterLast = nullptr;
    QLineEdit *m_name = nullptr, *m_stakes = nullptr;
    QSpinBox *m_first = nullptr, *m_count = nullptr, *m_winSteps = nullptr, *m_lossSteps = nullptr,
             *m_sitOutAfter = nullptr, *m_sitOutSpins = nullptr, *m_spins = nullptr;
    QDoubleSpinBox *m_factor = nullptr, *m_add = nullptr, *m_unit = nullptr, *m_bankroll = nullptr,
                   *m_tableMin = nullptr, *m_tableMax = nullptr, *m_target = nullptr;
};

} // namespace vintaro
