// The work form.
#include "worklists/WorkForm.h"

#include <stdexcept>

namespace velsira {

WorkList& TForm2::memo(int k) {
  return const_cast<WorkList&>(static_cast<const TForm2&>(*this).memo(k));
}

const WorkList& TForm2::memo(int k) const {
  switch (k) {
    case 1: return Memo1;
    case 2: return Memo2;
    case 3: return Memo3;
    case 4: return Memo4;
    case 5: return Memo5;
    case 6: return Memo6;
    case 7: return Memo7;
    case 8: return Memo8;
    case 9: return Memo9;
    case 10: return Memo10;
    case 11: return Memo11;
    case 12: return Memo12;
    case 13: return Memo13;
    case 14: return Memo14;
    case 15: return Memo15;
  }
  throw std::out_of_range("work list number");
}

void TForm2::clearAll() {
  for (WorkList* list : {&Memo1, &Memo2, &Memo3, &Memo4, &Memo5, &Memo6, &Memo7, &Memo8, &Memo9, &Memo10, &Memo11,
                         &Memo12, &Memo13, &Memo14, &Memo15})
    list->clear();
}

}  // namespace velsira
