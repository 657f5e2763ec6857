VERSION 5.00
Object = "{08A55527-FAD1-4D74-929E-28E5565D541C}#1.0#0"; "Regions.ocx"
Begin VB.Form RegionsForm 
   Caption         =   "Regions"
   ClientHeight    =   6600
   ClientWidth     =   5400
   Begin Shapecraft.RegionContainer Ellipse1 
      Height          =   1500
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   1500
   End
   Begin Shapecraft.RegionContainer Block1 
      Height          =   1500
      Left            =   1800
      TabIndex        =   1
      Top             =   150
      Width           =   1500
      RegionMode      =   1
   End
   Begin Shapecraft.RegionContainer Rounded1 
      Height          =   1500
      Left            =   3450
      TabIndex        =   2
      Top             =   150
      Width           =   1500
      RegionMode      =   2
      BoxRoundedX     =   300
      BoxRoundedY     =   600
   End
   Begin Shapecraft.RegionContainer Lower1 
      Height          =   1500
      Left            =   150
      TabIndex        =   3
      Top             =   1800
      Width           =   1500
      regionmode      =   1
   End
   Begin Shapecraft.RegionContainer Scaled1 
      Height          =   1500
      Left            =   1800
      TabIndex        =   4
      Top             =   1800
      Width           =   1500
      ScaleHeight     =   4
      ScaleMode       =   0
      ScaleWidth      =   4
   End
   Begin Shapecraft.RegionContainer Unscaled1 
      Height          =   1500
      Left            =   3450
      TabIndex        =   5
      Top             =   1800
      Width           =   1500
      ScaleHeight     =   4
      ScaleWidth      =   4
   End
   Begin Shapecraft.RegionContainer Default1 
      Height          =   2880
      Left            =   150
      TabIndex        =   6
      Top             =   3450
      Width           =   3840
      Begin VB.CommandButton Inside1 
         Caption         =   "Inside"
         Height          =   375
         Left            =   60
         Top             =   60
         Width           =   975
      End
   End
End
