# Empties the Recycle Bin that Wine keeps for shell_tests (cmake -D TRASH=<folder> -P this file).
# Wine creates only the last level of the folder, and without its parents it has no Recycle Bin
# and deletes for good.
file(REMOVE_RECURSE ${TRASH})
file(MAKE_DIRECTORY ${TRASH}/files ${TRASH}/info)
