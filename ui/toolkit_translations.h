// The toolkit's own texts (the buttons of message boxes, the file dialogs) in Japanese, the
// program's language, whatever the locale the player runs it in.
#pragma once

namespace vorpo {

// Loads the toolkit's Japanese translation into the application. False when it is not
// installed; the toolkit's texts then stay in English.
bool LoadToolkitTranslations();

}  // namespace vorpo
