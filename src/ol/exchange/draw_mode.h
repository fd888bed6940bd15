// The draw-mode sections of the import: they set the draw flags of the
// current competition and, for the club, recreational and group draw, mark
// every class as drawn.
//
//   section          Lottad  cLottad  gLottad  sLottad  Jaktad
//   *KlubbLottad     1       0        0        0        unchanged
//   *MotionsLottad   0       1        0        0        unchanged
//   *GruppLottad     0       0        1        0        unchanged
//   *JaktLottad      unchanged                          1
#pragma once

namespace oltoma::ol {

// Sets the flags of the section (ImportSection number) and stores the
// current competition (never adds one). For the three draws, every live
// class (by record number) gets FrstStNr and StNrCount from its Nummerlapp
// and its count at the competition's MellanTid (or from FirstDataNr and
// LastDataNr when it has no Nummerlapp), eftAnm 0, 0 and Flag 1; it is
// rewritten and counted as modified with
//   Antal:<record number in 3> [<used records in 3>]. Klass "<Bet>"
// The class file must be open (participant or definition files).
void SetDrawMode(int section);

}  // namespace oltoma::ol
