#pragma once
// The wheel window: the history on the wheel, a heat ring by a chosen
// measure, the classic sectors and the neighbours of a chosen pocket counted
// like the outside bets. It follows the history live through refresh().
#include <QWidget>

#include <array>

class QBoxLayout;
class QButtonGroup;
class QLabel;
class QLayout;
class QScrollArea;
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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A double click on a pocket: the number is to be entered as a spin.
    void numberEntered(int number);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildWindow();
    // The window's size with the wheel beside the panel or above it, at the
    // least or at the size that shows everything.
    QSize arranged(bool sideBySide, bool least) const;
    void showHeat();
    void showChosen();

    const Session &m_session;
    int m_chosen = -1;
    QBoxLayout *m_columns = nullptr;
    QLayout *m_wheelColumn = nullptr;
    QScrollArea *m_panel = nullptr;
    WheelView *m_view = nullptr;
    SectorModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QSpinBox *m_neighbours = nullptr;
    QButtonGroup *m_measures = nullptr;
    QLabel *m_chosenLabel = nullptr;
    QLabel *m_legendCaption = nullptr, *m_legendLow = nullptr, *m_legendBar = nullptr, *m_legendHigh = nullptr;
};

} // namespace vintaro
