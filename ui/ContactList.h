// The contact list view: its columns, its rows rebuilt from the contact
// table, and the contact a row stands for.
#pragma once

#include "contacts/ContactTable.h"
#include "framework/Controls.h"
#include "ui/ContactRows.h"
#include "ui/ContactSearch.h"

// Gives the list the small image list and its three columns; once, before the
// first RefillList. The last column takes the rest of the list's width.
void InitList(CListCtrl& list, const CImageList& images);

// Orders the table and shows it afresh, every contact or those the search
// finds; no row stays selected. The list learns how many rows there are, and
// asks for the texts of those it draws (ShowRow), so a refill costs the same
// for 5 contacts as for 500.
void RefillList(CListCtrl& list, ContactTable& table, const ContactSearch& search, ListRows* rows);

// Follows the search as the number is typed: shows the rows it finds now,
// refilling the list only when they differ from the rows it shows, since a
// repaint of the list costs far more than the search.
void ShowFoundRows(CListCtrl& list, const ContactTable& table, const ContactSearch& search, ListRows* rows);

// Fills in what the list asks of a row: its texts and icon.
void ShowRow(const ContactTable& table, const ListRows& rows, int iconIndex, LVITEMA* item);

// The first selected row, or -1.
int FirstSelectedRow(const CListCtrl& list);
