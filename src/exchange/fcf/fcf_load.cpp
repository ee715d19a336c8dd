#include "exchange/fcf/fcf_load.h"

#include "exchange/codec/cut_values.h"
#include "exchange/codec/form_questions.h"
#include "platform/prompter.h"
#include "store/engine/store_error.h"

#include <QDir>

namespace vn {

FcfLoad LoadFormControlFile(Database& db, Prompter& prompter, const QString& path) {
    FcfLoad load;
    FcfReader reader(db, path);
    if (!reader.refusal().isEmpty()) {
        prompter.beep();
        prompter.error(reader.refusal());
        return load;
    }
    if (reader.alreadyPresent()) {
        prompter.beep();
        if (prompter.confirmation(QString::fromLatin1(kFormAlreadyPresent), Buttons::OkNo) != Answer::Ok) {
            load.end = WorkEnd::Declined;
            return load;
        }
    }
    try {
        load.applied = reader.apply();
    } catch (const StoreError& e) {
        prompter.error(QStringLiteral("The form control file [%1] could not be loaded: %2\r\rNothing of it was loaded.")
                           .arg(QDir::toNativeSeparators(path), e.message()));
        return load;
    }
    load.end = WorkEnd::Done;
    if (load.applied.cutValues > 0) prompter.information(cutValuesMessage(load.applied.cutValues, load.applied.cutExamples));
    return load;
}

}  // namespace vn
