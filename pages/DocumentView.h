#pragma once
// A read-only view of one page, drawn at natural size from its top-left corner
// and clipped by the view; it takes the focus, framed while it has it, offers
// no action, and gives a screen reader the page's text.

#include "pages/Page.h"

#include <QWidget>

class DocumentView : public QWidget {
    Q_OBJECT
public:
    DocumentView(const Page &page, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Page &m_page;
};
