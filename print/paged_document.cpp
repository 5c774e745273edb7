#include "print/paged_document.h"

#include "print/painter_canvas.h"
#include "print/print_error.h"

#include <QPagedPaintDevice>

namespace kw {

// A page of a PagedDocument: its job's start opens the document or a new
// page, and its end is left to the document.
class DocumentPage : public PainterCanvas
{
public:
    explicit DocumentPage(PagedDocument& document) : PainterCanvas(document.painter_), document_(document) {}

    void SetPortrait() override { document_.device_.setPageOrientation(QPageLayout::Portrait); }
    void BeginJob() override
    {
        const bool opened = document_.pages_ == 0 ? beginPainting(document_.device_) : document_.device_.newPage();
        if (!opened)
            throw PrintError(
                QStringLiteral("Nie można dodać strony %1 do %2.").arg(document_.pages_ + 1).arg(document_.name_));
        ++document_.pages_;
    }
    void EndJob() override {}

private:
    PagedDocument& document_;
};

PagedDocument::PagedDocument(QPagedPaintDevice& device, const QString& name) : device_(device), name_(name) {}

PagedDocument::~PagedDocument()
{
    if (painter_.isActive())
        painter_.end();
}

CanvasFactory PagedDocument::pages()
{
    return [this](int) { return std::make_unique<DocumentPage>(*this); };
}

void PagedDocument::finish()
{
    if (painter_.isActive() && !painter_.end())
        throw PrintError(QStringLiteral("Nie można zakończyć %1.").arg(name_));
}

} // namespace kw
