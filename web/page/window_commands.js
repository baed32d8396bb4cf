// The window's own commands around the exercise, as on the desktop: the "How to use"
// dialog, high contrast, a copy of the window's picture and the exercise code dialogs,
// each on the keys and in the
// order of the context menu (a right click, the Menu key, a long press) that the page
// description gives. Zoom is the browser's own.

import { openContextMenu } from "./context_menu.js";
import { canCopyPicture, copyPicture } from "./copy_picture.js";
import { showFault } from "./fault_dialog.js";
import { makeExerciseDialog } from "./exercise_dialog.js";
import { makeHelpDialog } from "./help_dialog.js";
import { isSameKey, matchesKey } from "./key_text.js";
import { onLongPress } from "./long_press.js";
import { copyWorkLink } from "./work_link.js";

// `page`: the page description, whose `commands` and `menu` list the commands,
// `languages` the languages and `exercise_dialog` the exercise dialogs' words.
// `beforeDialog` runs as the help or an exercise dialog opens (the page stops a held spin
// arrow); `palette` switches high contrast; `language` gives the page's language and shows
// the page in another; `exercise` gives the current exercise's code and opens one
// (exercise_dialog.js); `work` gives the link's text of the student's work on the window;
// `printSheet` prints the worksheet or its answer key (worksheet.js). Gives the function
// that shows the commands' labels, the dialogs' words and the help in the language of
// another description.
export function installWindowCommands(root, page, help, beforeDialog, palette, language, exercise,
  work, printSheet) {
  const helpDialog = makeHelpDialog(help, page.texts, beforeDialog);
  let texts = page.texts;
  let exerciseWords = page.exercise_dialog;
  const openExerciseDialog = makeExerciseDialog(() => exerciseWords, exercise, beforeDialog);
  const copy = () => copyPicture(root).catch((error) => {
    console.warn(`Copy picture failed: ${error.message}`);
    showFault(texts.copy_failed, () => {});
  });
  // What each command does with the focus it gives back, and when its keys are its own:
  // elsewhere than on the window, or with text selected, the copy key copies text as usual.
  const actions = {
    help: { run: (focusAfter) => helpDialog.open(focusAfter) },
    high_contrast: { run: () => palette.toggle(), checked: () => palette.isHigh() },
    share_exercise: { run: (focusAfter) => openExerciseDialog("share", focusAfter) },
    open_exercise: { run: (focusAfter) => openExerciseDialog("open", focusAfter) },
    print_worksheet: { run: () => printSheet("worksheet") },
    print_answer_key: { run: () => printSheet("answer_key") },
    copy_work_link: { run: () => copyWorkLink(work.current(), texts, beforeDialog) },
    copy_picture: {
      run: copy,
      offered: canCopyPicture,
      keysWork: () => windowHasFocus(root) && !getSelection()?.toString(),
    },
    // A submenu: the languages, each in its own name, the page's checked.
    language: {
      submenu: () => page.languages.map((choice) => ({
        label: choice.name,
        lang: choice.code,
        dir: choice.direction,
        checked: choice.code === language.current(),
        run: (focusAfter) => {
          language.choose(choice.code);
          if (focusAfter instanceof HTMLElement) focusAfter.focus({ preventScroll: true });
        },
      })),
    },
  };
  const commands = new Map(page.commands.map((command) => {
    if (!actions[command.id]) throw new Error(`The page has no command ${command.id}`);
    return [command.id, { ...command, ...actions[command.id] }];
  }));

  document.addEventListener("keydown", (event) => {
    for (const command of commands.values()) {
      if (!command.keys.some((key) => matchesKey(event, key))) continue;
      if (command.keysWork && !command.keysWork()) continue;
      event.preventDefault();
      if (!event.repeat) command.run(document.activeElement);
      return;
    }
  });
  // The help's keys, pressed in the menu, close it; the help opens from where the menu
  // was opened.
  const helpKeys = commands.get("help").keys;
  const closesMenu = (event) => helpKeys.some((key) => isSameKey(event, key));
  const openMenu = (event) => {
    if (document.getElementById("context-menu")?.matches(":popover-open")) return;
    const focusAfter = document.activeElement;
    const itemOf = (entry) => ({
      ...entry,
      run: () => entry.run(focusAfter),
    });
    const items = page.menu.map((id) => commands.get(id))
      .filter((command) => command.offered?.() ?? true)
      .map((command) => itemOf(command.submenu ? {
        label: command.label,
        // Opened where the menu was, in its place.
        run: () => openContextMenu(event, command.submenu().map(itemOf), closesMenu, focusAfter),
      } : {
        label: command.label,
        checked: command.checkable ? command.checked() : undefined,
        run: command.run,
      }));
    openContextMenu(event, items, closesMenu);
  };
  root.addEventListener("contextmenu", (event) => {
    event.preventDefault();
    openMenu(event);
  });
  onLongPress(root, openMenu);
  return (described, newHelp) => {
    texts = described.texts;
    exerciseWords = described.exercise_dialog;
    for (const command of described.commands) commands.get(command.id).label = command.label;
    helpDialog.retext(newHelp, texts);
  };
}

// The focus on one of the window's controls, or on none (after a click on a label), and
// no dialog open.
function windowHasFocus(root) {
  const focused = document.activeElement;
  const here = focused === null || focused === document.body || root.contains(focused);
  return here && !document.querySelector("dialog[open]");
}
