// The contact list view: its columns, its rows rebuilt from the contact
// table, and the contact a row stands for.
#pragma once

#include "contacts/ContactTable.h"
#include "framework/Controls.h"

// Gives the list the small image list and its three columns; once, before the
// first RefillList. The last column takes the rest of the list's width.
void InitList(CListCtrl& list, const CImageList& images);

// Orders the table and rebuilds every row from it; no row stays selected.
void RefillList(CListCtrl& list, ContactTable& table, int iconIndex);

// The first selected row, or -1.
int FirstSelectedRow(const CListCtrl& list);

// The stored contact that row `item` shows, or kNoSlot for no row.
int SlotOfRow(const CListCtrl& list, const ContactTable& table, int item);
