VERSION 5.00
Begin VB.Form ProbeForm 
   Caption         =   "Probe"
   ClientHeight    =   3000
   ClientWidth     =   4000
   Begin VB.Frame Frame1 
      Caption         =   "Frame1"
      Height          =   2000
      Left            =   2000
      Top             =   100
      Width           =   1900
      Begin Project1.Probe Probe2 
         Height          =   600
         Left            =   100
         Top             =   300
         Width           =   900
      End
   End
   Begin Project1.Probe Probe1 
      Height          =   900
      Left            =   150
      Top             =   150
      Width           =   1500
      Caption         =   "stored"
      BackColor       =   &H00808080&
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   12
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   -1  'True
         Strikethrough   =   0   'False
      EndProperty
      Begin VB.CommandButton Inside 
         Caption         =   "Inside"
         Height          =   375
         Left            =   60
         Top             =   60
         Width           =   975
      End
   End
End
