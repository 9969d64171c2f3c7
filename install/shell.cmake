# torvane_install_shell
