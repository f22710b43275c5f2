#pragma once
// The wheel window: the history on the wheel, a heat ring by a chosen
// measure, the classic sectors and the neighbours of a chosen pocket counted
// like the outside bets. It follows the history live through refresh().
#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QSpinBox;
class QTableView;

namespace vintaro {

class Session;
class SectorModel;
class WheelView;

class Kerek : public QWidget
{
    Q_OBJECT
public:
    explicit Kerek(const Session &session, QWidget *parent = nullptr);

    // Shows the session's history as it stands now.
    void refresh();
    // Chooses a pocket (-1: none), as a click on it does.
    void choosePocket(int number);

signals:
    // A double click on a pocket: the number is to be entered as a spin.
    void numberEntered(int number);

private:
    void buildWindow();
    void showHeat();
    void showChosen();

    const Session &m_session;
    int m_chosen = -1;
    WheelView *m_view = nullptr;
    SectorModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QSpinBox *m_neighbours = nullptr;
    QButtonGroup *m_measures = nullptr;
    QLabel *m_chosenLabel = nullptr;
    QLabel *m_legendCaption = nullptr, *m_legendLow = nullptr, *m_legendBar = nullptr, *m_legendHigh = nullptr;
};

} // namespace vintaro
