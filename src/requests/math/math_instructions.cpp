#include "requests/math/math_instructions.h"

namespace vn {

namespace {

const char* const kInstructions = R"html(
<p>Math operations allow for simple arithmetic operations on any of the text fields on pages 1,2,3
of the record that were declared Numeric when the list was designed. The numeric text fields of
pages 4, 5 and 6 can be used in the same way. The calculations run on every record that the request
selected; their number is shown as the Qualifing Record Count.</p>

<p><b>Steps.</b> You can enter up to five calculations, Step 1 to Step 5. Click a step to make it the
current step: what you choose next is added to it and shown in its box. "Clear" empties a step; an
empty step is not run, even when operands were chosen for it before.</p>

<p><b>Operands.</b> A step is a chain of operands joined by operators. An operand is a numeric
field (its check box under its page), a constant, one of the five memory cells or one of the five
totals. For a constant tick "Constant", type a number of up to 10 characters into its box, then
press Return or leave the box. Clicking a choice again right after it was added takes it back.</p>

<p><b>Operators.</b> After each operand choose "Plus", "Minus", "Times", "Divide" or "Store"; the
operators are offered only right after an operand. Choosing another operator at once replaces the
one just chosen. A step is worked from left to right: "Price" Times "Qty" Store "Amount" multiplies
Price by Qty and stores the product in Amount.</p>

<p><b>Store.</b> "Store" puts the value on its left into the operand that follows it: into a numeric
field of the record, into a memory cell, or added to a total. A constant cannot receive a value, so
storing into a constant is an error. A value copied without arithmetic is stored as it reads.</p>

<p><b>Running result.</b> Within one record the running result carries from one step to the next:
a step that follows one ending in Plus, Minus, Times or Divide goes on with that result instead of
its first operand, while a step that follows a Store reads its first operand afresh. Every record
starts anew.</p>

<p><b>Memory and totals.</b> "Process" empties the memory cells and the totals before the first
record. A memory cell keeps a value for later steps and records. A total adds up every value stored
into it over all records and is shown in full in its box when the run ends.</p>

<p><b>Empty values.</b> An empty field, constant or memory cell counts as 0 in arithmetic. Storing
an empty constant empties the field. Dividing by an empty value leaves the value being divided as it
was.</p>

<p><b>Numbers.</b> Values are exact decimals with up to four places after the point, such as 12,
-3.5 or 0.0125; results are rounded to four places, a half to the even digit.</p>

<p><b>Records left unchanged.</b> A record is skipped when one of its values is not a number, when it
would be divided by zero, when a result is too large, or when a result is longer than the field it is
stored into. Nothing of that record changes and it adds nothing to the memory cells and totals; the
run goes on with the other records, and a message at the end names each skipped record and why.</p>

<p><b>Process.</b> "Process" runs the steps on every selected record at once; it is offered when the
current step has at least two operands, and again after the next operand once a run is over.
"Return" goes back to the request builder.</p>
)html";

}  // namespace

QString mathInstructionsHtml() { return QString::fromUtf8(kInstructions).trimmed(); }

}  // namespace vn
