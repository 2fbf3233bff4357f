// torvane-cli commands
