#include "import.h"

#include "S4_TLB.h"
#include "searchtext.h"

TArtData ReadArtData(SearchServer &server, int id)
{
    TArtData entry;
    server.OpenObject(id);
    entry.Id = id;
    entry.Designation = fromSearchText(server.GetDesignation());
    entry.Name = fromSearchText(server.GetName());
    entry.Kind = server.GetKind();
    entry.Position = fromSearchText(server.GetPosition());
    if (entry.Position.isEmpty())
        entry.Position = QStringLiteral("0");
    // Split on the archive's own text, then convert each part.
    const QString quantity = server.GetQuantity();
    const qsizetype space = quantity.indexOf(u' ');
    entry.Quantity = space < 0 ? QString() : fromSearchText(quantity.left(space));
    entry.UnitName = fromSearchText(space < 0 ? quantity : quantity.mid(space + 1));
    server.CloseObject();
    return entry;
}

void AddArtBranch(ImportWalk &walk, const TArtData &entry, std::vector<TreeNode> &siblings)
{
    siblings.push_back({MakeNodeText(entry.Position, entry.Designation, entry.Name, entry.Quantity,
                                     entry.UnitName),
                        {}});
    if (entry.Kind != 3)
        return;
    if (walk.ancestors.contains(entry.Id)) {
        if (!walk.repeated.contains(entry.Designation))
            walk.repeated.append(entry.Designation);
        return;
    }
    const size_t index = siblings.size() - 1;
    SearchServer &server = walk.server;
    server.OpenComposition(entry.Id);
    server.GetItemCount();
    server.FirstItem();
    const int count = server.GetItemCount();
    std::vector<TArtData> components;
    components.reserve(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        components.push_back(ReadArtData(server, server.GetItemId()));
        if (walk.tick)
            walk.tick();
        server.NextItem();
    }
    server.CloseComposition();
    walk.ancestors.append(entry.Id);
    for (const TArtData &component : components) {
        if (component.Kind >= 3 && component.Kind <= 8)
            AddArtBranch(walk, component, siblings[index].children);
    }
    walk.ancestors.removeLast();
}

void importSelection(ImportWalk &walk, CatalogTree &imported,
                     const std::function<void()> &beforeImport)
{
    SearchServer &server = walk.server;
    server.OpenArchive();
    server.LoadSelection();
    if (server.GetSelectionCount() != 0) {
        if (beforeImport)
            beforeImport();
        const int id = server.GetSelectedId(0);
        server.OpenObject(id);
        server.GetDesignation();
        if (server.GetKind() == 3)
            AddArtBranch(walk, ReadArtData(server, id), imported);
        server.CloseObject();
    }
    server.CloseArchive();
}
