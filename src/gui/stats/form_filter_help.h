#pragma once

#include <QDialog>

class QTextBrowser;

namespace mv::gui {

// "Описание методики расчета": the description page of one statistic method, shown in a
// sizeable window. A method whose page is missing gets a note saying so instead of an empty
// window.
class TFormFilterHelp : public QDialog {
    Q_OBJECT
public:
    // `page`: the page file, or an empty text when there is none; `methodName`: the name the
    // method is listed under.
    TFormFilterHelp(const QString& page, const QString& methodName, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

}  // namespace mv::gui
