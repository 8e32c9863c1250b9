#ifndef KVB_PAGELAYOUT_H
#define KVB_PAGELAYOUT_H

#include <initializer_list>

class QHBoxLayout;
class QLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Layout pieces that the wizard's later pages share.
namespace PageLayout {

// A page's top-to-bottom column, tighter than the style's defaults so that
// a page fits the window's 400 pixels of height below the tab bar.
QVBoxLayout *column();

// inner, centred between two equal stretches.
QHBoxLayout *centred(QLayout *inner);
QHBoxLayout *centred(QWidget *inner);

// The button row: back on the left, the others on the right in their order.
QHBoxLayout *buttonRow(QPushButton *back, std::initializer_list<QPushButton *> others);

} // namespace PageLayout

#endif
