#pragma once

// A tree whose entries longer than its width go on to further lines instead
// of ending in an ellipsis: two long entries that start alike stay apart.

class QTreeView;

void RetourALaLigne(QTreeView& arbre);
