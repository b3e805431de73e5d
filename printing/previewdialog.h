#pragma once

#include "platform/printer.h"
#include "printing/document.h"
#include "printing/renderer.h"

#include <QDialog>

#include <memory>
#include <vector>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace pickwise::printing {

// Print Preview: the document page by page as it will print, drawn by the
// printer's own routine on a printer set up as for printing, with the
// document's underlay (a play slip's boxes) under each page. Print and Save as
// PDF go to the actions; a print that went through closes the preview.
class PreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // printer: set up for doc exactly as the printer port prints it.
    PreviewDialog(std::unique_ptr<QPrinter> printer, const PrintDocument &doc,
        std::shared_ptr<PreviewActions> actions, QWidget *parent = nullptr);
    ~PreviewDialog() override;

    // Shows doc in place of the document shown, at the same page.
    void setDocument(const PrintDocument &doc);
    const PrintDocument &document() const { return m_doc; }
    const PreviewActions *actions() const { return m_actions.get(); }

    // The pages as last drawn for the screen, underlay aside.
    const std::vector<PlacedPage> &shownPages() const { return m_shown; }
    int pageCount() const;
    QPrinter &printer() { return *m_printer; }

    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void paintPages(QPrinter *printer);
    void showPage(int page);
    void showPageNumber();
    void showSlip(bool fit);
    void print();

    std::unique_ptr<QPrinter> m_printer;
    PrintDocument m_doc;
    std::shared_ptr<PreviewActions> m_actions;
    std::vector<PlacedPage> m_shown;

    QPrintPreviewWidget *m_view = nullptr;
    QLabel *m_pageNumber = nullptr;
    QPushButton *m_print = nullptr;
};

} // namespace pickwise::printing
